<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Caption</name>
    <message>
        <source>BRAKE</source>
        <translation>FREIN</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATTERIE</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <extracomment>The battery voltage per cell at which the ESC cuts the motor.</extracomment>
        <translation>COUPURE V/ÉLÉM.</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <extracomment>What the ESC does when the battery reaches the cutoff voltage.</extracomment>
        <translation>MODE COUPURE</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>DÉMAR. DOUX</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>MODE TIMING</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>INVERS. MOTEUR</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>RÉGUL. RPM</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>DÉLAI D&apos;ACCÉLÉRATION</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <extracomment>The caption above a setting list: the motor&apos;s switching frequency. Short and upper case, like the others.</extracomment>
        <translation>FRÉQUENCE</translation>
    </message>
    <message>
        <source>WARN VOLTAGE</source>
        <extracomment>The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.</extracomment>
        <translation>TENSION ALERTE</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 found</source>
        <extracomment>%1 is the ESC&apos;s model name.</extracomment>
        <translation>%1 trouvé</translation>
    </message>
    <message>
        <source>%1 gets no COM number: all numbers are taken.</source>
        <extracomment>%1 is a device path given with --port.</extracomment>
        <translation>%1 ne reçoit aucun numéro COM&#xa0;: tous les numéros sont pris.</translation>
    </message>
    <message>
        <source>set it to 1 in Device Manager: the port&apos;s Properties, Port Settings, Advanced, Latency Timer (msec)</source>
        <translation>réglez-le sur 1 dans le Gestionnaire de périphériques&#xa0;: Propriétés du port, Paramètres du port, Avancé, Latency Timer (msec)</translation>
    </message>
    <message>
        <source>the package&apos;s udev rule sets it to 1 when the adapter is plugged in, or: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <extracomment>%1 is the adapter&apos;s device name in sysfs.</extracomment>
        <translation>la règle udev du paquet le règle sur 1 au branchement de l&apos;adaptateur, sinon&#xa0;: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2</source>
        <extracomment>%1 the adapter&apos;s latency timer in milliseconds, %2 how to lower it.</extracomment>
        <translation>timer de latence %1 ms&#xa0;: chaque réponse attend jusqu&apos;à %1 ms dans l&apos;adaptateur&#xa0;; %2</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Aucun port série n&apos;est listé&#xa0;: branchez le câble d&apos;interface PC.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C while programming: the ESC may hold part of the new settings; run the command again on this port.</source>
        <translation>Interrompu par Ctrl+C pendant la programmation&#xa0;: l&apos;ESC contient peut-être une partie des nouveaux réglages&#xa0;; relancez la commande sur ce port.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C.</source>
        <translation>Interrompu par Ctrl+C.</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <extracomment>A port&apos;s failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.</extracomment>
        <translation>%1&#xa0;: erreur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port.</source>
        <translation>Aucun ESC n&apos;a répondu sur le seul port listé.</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port; none on %1.</source>
        <translation>Aucun ESC n&apos;a répondu sur le seul port listé&#xa0;; aucune réponse sur %1.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port.</source>
        <extracomment>%1 names the ports where no ESC answered.</extracomment>
        <translation>
            <numerusform>Aucun ESC n&apos;a répondu sur %n port listé.</numerusform>
            <numerusform>Aucun ESC n&apos;a répondu sur aucun des %n ports listés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports.</source>
        <translation>
            <numerusform>Aucun ESC n&apos;a répondu sur %n port listé.</numerusform>
            <numerusform>Aucun ESC n&apos;a répondu sur aucun des %n ports listés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port; none on %1.</source>
        <translation>
            <numerusform>Aucun ESC n&apos;a répondu sur %n port listé&#xa0;; aucune réponse sur %1.</numerusform>
            <numerusform>Aucun ESC n&apos;a répondu sur aucun des %n ports listés&#xa0;; aucune réponse sur %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports; none on %1.</source>
        <translation>
            <numerusform>Aucun ESC n&apos;a répondu sur %n port listé&#xa0;; aucune réponse sur %1.</numerusform>
            <numerusform>Aucun ESC n&apos;a répondu sur aucun des %n ports listés&#xa0;; aucune réponse sur %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2).</source>
        <extracomment>%1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listé&#xa0;; attendus&#xa0;: %2 (--expect %2).</numerusform>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listés&#xa0;; attendus&#xa0;: %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2).</source>
        <translation>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listé&#xa0;; attendus&#xa0;: %2 (--expect %2).</numerusform>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listés&#xa0;; attendus&#xa0;: %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listé&#xa0;; attendus&#xa0;: %2 (--expect %2)&#xa0;; aucune réponse sur %3.</numerusform>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listés&#xa0;; attendus&#xa0;: %2 (--expect %2)&#xa0;; aucune réponse sur %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listé&#xa0;; attendus&#xa0;: %2 (--expect %2)&#xa0;; aucune réponse sur %3.</numerusform>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listés&#xa0;; attendus&#xa0;: %2 (--expect %2)&#xa0;; aucune réponse sur %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port.</source>
        <extracomment>%1 ESCs answered; %2 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listé.</numerusform>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports.</source>
        <translation>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listé.</numerusform>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port; none on %2.</source>
        <translation>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listé&#xa0;; aucune réponse sur %2.</numerusform>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listés&#xa0;; aucune réponse sur %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports; none on %2.</source>
        <translation>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listé&#xa0;; aucune réponse sur %2.</numerusform>
            <numerusform>Ports où un ESC a répondu&#xa0;: %1 sur %n listés&#xa0;; aucune réponse sur %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not searched: %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Ports non examinés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Check the cable&apos;s connector orientation at each ESC and that it is powered.</source>
        <translation>Vérifiez l&apos;orientation du connecteur du câble sur chaque ESC et que celui-ci est alimenté.</translation>
    </message>
    <message>
        <source>orvesc-cli: error %1: %2</source>
        <translation>orvesc-cli&#xa0;: erreur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable.</source>
        <translation>aucun port série n&apos;est listé&#xa0;: branchez le câble d&apos;interface PC.</translation>
    </message>
    <message>
        <source>No listed port can be opened. %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Aucun port listé ne peut être ouvert. %1</translation>
    </message>
    <message>
        <source>%1 Not searched: %2</source>
        <extracomment>%1 says that no ESC answered, %2 names the ports not opened, with the reason.</extracomment>
        <translation>%1 Ports non examinés&#xa0;: %2</translation>
    </message>
    <message>
        <source>Reading the settings failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>La lecture des réglages a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends).</source>
        <translation>Aucun port série n&apos;est encore listé&#xa0;: branchez le câble d&apos;interface PC (Ctrl+C pour arrêter).</translation>
    </message>
    <message>
        <source>settings of the %1 read: no settings document can hold them (%2), so the JSON holds the codes the ESC reported</source>
        <extracomment>%1 is the model&apos;s name, %2 why no settings document can hold what it reported.</extracomment>
        <translation>réglages du %1 lus&#xa0;: aucun document de réglages ne peut les contenir (%2), le JSON contient donc les codes signalés par l&apos;ESC</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be written.</extracomment>
        <translation>%1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>no settings file can hold these settings: %1.</source>
        <translation>aucun fichier de réglages ne peut contenir ces réglages&#xa0;: %1.</translation>
    </message>
    <message>
        <source>settings of the %1 read and saved in %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>réglages du %1 lus et enregistrés dans %2</translation>
    </message>
    <message>
        <source>settings of the %1 read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>réglages du %1 lus</translation>
    </message>
    <message>
        <source>%1: %2 (model code %3)
</source>
        <extracomment>A heading of the settings table: %1 the port, %2 the model&apos;s name, %3 its model code.</extracomment>
        <translation>%1&#xa0;: %2 (code de modèle %3)
</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot; is not KEY=ENTRY (for example --set brake=on).</source>
        <translation>--set &quot;%1&quot; n&apos;est pas de la forme CLÉ=ENTRÉE (par exemple --set brake=on).</translation>
    </message>
    <message>
        <source>--set: &quot;%1&quot; is not a setting. Settings: %2.</source>
        <extracomment>%1 as typed, %2 the setting keys.</extracomment>
        <translation>--set&#xa0;: &quot;%1&quot; n&apos;est pas un réglage. Réglages&#xa0;: %2.</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not an entry of %3. Entries: %4.</source>
        <extracomment>%1 the key as typed, %2 the entry as typed, %3 the setting&apos;s caption, %4 its entries.</extracomment>
        <translation>--set %1&#xa0;: &quot;%2&quot; n&apos;est pas une entrée de %3. Entrées&#xa0;: %4.</translation>
    </message>
    <message>
        <source>--set %1: the %2 has no %3 setting. Its settings: %4.</source>
        <extracomment>%1 the key as typed, %2 the model&apos;s name, %3 the setting&apos;s caption, %4 the model&apos;s setting keys.</extracomment>
        <translation>--set %1&#xa0;: le %2 n&apos;a pas de réglage %3. Ses réglages&#xa0;: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>%1 ne peut pas être utilisé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The settings by their key for --set and settings files, with their caption; the entries each model offers (* marks the factory setting); what they do.</source>
        <translation>Les réglages par leur clé pour --set et les fichiers de réglages, avec leur intitulé&#xa0;; les entrées proposées par chaque modèle (* marque le réglage d&apos;usine)&#xa0;; leur effet.</translation>
    </message>
    <message>
        <source>every model, battery Ni</source>
        <extracomment>Stands before a setting&apos;s entries where every model offers them, in place of the models&apos; names.</extracomment>
        <translation>tous les modèles, batterie Ni</translation>
    </message>
    <message>
        <source>every model</source>
        <translation>tous les modèles</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable, then start the station again.</source>
        <translation>aucun port série n&apos;est listé&#xa0;: branchez le câble d&apos;interface PC, puis relancez la station.</translation>
    </message>
    <message>
        <source>--station works on one cable, and %1 ports are listed: %2. Name the cable&apos;s with --port, e.g. --port %3; nothing was sent.</source>
        <extracomment>%1 the number of ports (always several), %2 the ports, %3 the first of them.</extracomment>
        <translation>--station fonctionne avec un seul câble, et %1 ports sont listés&#xa0;: %2. Indiquez celui du câble avec --port, par ex. --port %3&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Station: on %1, the only port listed.</source>
        <extracomment>%1 is the port and its device.</extracomment>
        <translation>Station&#xa0;: sur %1, le seul port listé.</translation>
    </message>
    <message>
        <source>%1 %2  %3  %4  (passed %5, failed %6)%7
</source>
        <extracomment>A station&apos;s result line: %1 PASS or FAIL, %2 the ESC&apos;s number in the run, %3 its model, %4 the port; %5 and %6 the counts so far, %7 nothing or &quot;: error N: what went wrong&quot;.</extracomment>
        <translation>%1 %2  %3  %4  (réussis %5, échoués %6)%7
</translation>
    </message>
    <message>
        <source>: error %1: %2</source>
        <translation>&#xa0;: erreur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Station: the record of this run goes to %1</source>
        <extracomment>%1 is the record file.</extracomment>
        <translation>Station&#xa0;: le journal de cette série est écrit dans %1</translation>
    </message>
    <message>
        <source>Station: finishing the ESC being programmed; Ctrl+C again ends at once.</source>
        <translation>Station&#xa0;: fin de la programmation de l&apos;ESC en cours&#xa0;; un nouveau Ctrl+C arrête immédiatement.</translation>
    </message>
    <message>
        <source>Station: %1: cut short by Ctrl+C while programming: the ESC may hold part of the new settings; program it again.</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>Station&#xa0;: %1&#xa0;: interrompu par Ctrl+C pendant la programmation&#xa0;: l&apos;ESC contient peut-être une partie des nouveaux réglages&#xa0;; programmez-le à nouveau.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 The station stops.</source>
        <extracomment>%1 says why the record could not be written.</extracomment>
        <translation>orvesc-cli&#xa0;: %1 La station s&apos;arrête.</translation>
    </message>
    <message>
        <source>Station: unplug the ESC.</source>
        <translation>Station&#xa0;: débranchez l&apos;ESC.</translation>
    </message>
    <message>
        <source>Station: another ESC is on the cable.</source>
        <translation>Station&#xa0;: un autre ESC est sur le câble.</translation>
    </message>
    <message>
        <source>Station: plug in the next ESC.</source>
        <translation>Station&#xa0;: branchez l&apos;ESC suivant.</translation>
    </message>
    <message>
        <source>Station: plug in an ESC; Ctrl+C ends.</source>
        <translation>Station&#xa0;: branchez un ESC&#xa0;; Ctrl+C pour arrêter.</translation>
    </message>
    <message>
        <source>Station ended: %1 passed, %2 failed
</source>
        <translation>Station terminée&#xa0;: réussis %1, échoués %2
</translation>
    </message>
    <message>
        <source>The trace file %1 cannot be written: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Le fichier de trace %1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, it was programmed with %4
</source>
        <extracomment>%1 the port, %2 the setting&apos;s caption, %3 the entry the ESC reports, %4 the entry programmed.</extracomment>
        <translation>%1&#xa0;: %2&#xa0;: l&apos;ESC a %3, il a été programmé avec %4
</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, the file has %4
</source>
        <translation>%1&#xa0;: %2&#xa0;: l&apos;ESC a %3, le fichier a %4
</translation>
    </message>
    <message>
        <source>the settings before the write are kept in %1</source>
        <extracomment>%1 is the backup file.</extracomment>
        <translation>les réglages d&apos;avant l&apos;écriture sont conservés dans %1</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Add --allow-other-model to compare what fits.</source>
        <extracomment>%1 and %3 are model names, %2 and %4 their model codes.</extracomment>
        <translation>Le fichier contient les réglages d&apos;un %1 (code de modèle %2), mais l&apos;ESC est un %3 (code de modèle %4). Ajoutez --allow-other-model pour comparer ce qui correspond.</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Nothing was sent; add --allow-other-model to use what fits.</source>
        <translation>Le fichier contient les réglages d&apos;un %1 (code de modèle %2), mais l&apos;ESC est un %3 (code de modèle %4). Rien n&apos;a été envoyé&#xa0;; ajoutez --allow-other-model pour utiliser ce qui correspond.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Refused, nothing was sent: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Refusé, rien n&apos;a été envoyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it was not compared</source>
        <extracomment>%1 is the model&apos;s name, %2 the file&apos;s settings it lacks (&quot;CAPTION: entry&quot;, comma-separated).</extracomment>
        <translation>le %1 ne propose pas %2&#xa0;; ce réglage n&apos;a pas été comparé</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they were not compared</source>
        <translation>le %1 ne propose pas %2&#xa0;; ces réglages n&apos;ont pas été comparés</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it keeps its value</source>
        <translation>le %1 ne propose pas %2&#xa0;; ce réglage garde sa valeur</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they keep their value</source>
        <translation>le %1 ne propose pas %2&#xa0;; ces réglages gardent leur valeur</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <extracomment>%1 says why the file cannot be used.</extracomment>
        <translation>%1 Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>the %1 holds the settings of %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>le %1 contient les réglages de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting differs from %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>
            <numerusform>%n réglage diffère de %1</numerusform>
            <numerusform>%n réglages diffèrent de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ from %1</source>
        <translation>
            <numerusform>%n réglage diffère de %1</numerusform>
            <numerusform>%n réglages diffèrent de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found, settings read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>%1 trouvé, réglages lus</translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n setting would change), nothing sent</source>
        <extracomment>%1 the number of command bytes, %2 the model&apos;s name; %n settings would change.</extracomment>
        <translation>
            <numerusform>simulation&#xa0;: %1 octets de commande pour le %2 affichés (%n réglage changerait), rien n&apos;a été envoyé</numerusform>
            <numerusform>simulation&#xa0;: %1 octets de commande pour le %2 affichés (%n réglages changeraient), rien n&apos;a été envoyé</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n settings would change), nothing sent</source>
        <translation>
            <numerusform>simulation&#xa0;: %1 octets de commande pour le %2 affichés (%n réglage changerait), rien n&apos;a été envoyé</numerusform>
            <numerusform>simulation&#xa0;: %1 octets de commande pour le %2 affichés (%n réglages changeraient), rien n&apos;a été envoyé</numerusform>
        </translation>
    </message>
    <message>
        <source>Command %1 of %2 (%3) failed: %4</source>
        <extracomment>%1 the command&apos;s number, %2 how many there are, %3 its byte, %4 what went wrong.</extracomment>
        <translation>La commande %1 sur %2 (%3) a échoué&#xa0;: %4</translation>
    </message>
    <message>
        <source>The run was cut short.</source>
        <translation>L&apos;opération a été interrompue.</translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>terminé&#xa0;: %1 programmé (non vérifié), %n réglage modifié</numerusform>
            <numerusform>terminé&#xa0;: %1 programmé (non vérifié), %n réglages modifiés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n settings changed</source>
        <translation>
            <numerusform>terminé&#xa0;: %1 programmé (non vérifié), %n réglage modifié</numerusform>
            <numerusform>terminé&#xa0;: %1 programmé (non vérifié), %n réglages modifiés</numerusform>
        </translation>
    </message>
    <message>
        <source>Programmed, but the read-back failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Programmé, mais la relecture a échoué&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n setting</source>
        <translation>
            <numerusform>La relecture diffère sur %n réglage</numerusform>
            <numerusform>La relecture diffère sur %n réglages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n settings</source>
        <translation>
            <numerusform>La relecture diffère sur %n réglage</numerusform>
            <numerusform>La relecture diffère sur %n réglages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>terminé&#xa0;: %1 programmé et vérifié, %n réglage modifié</numerusform>
            <numerusform>terminé&#xa0;: %1 programmé et vérifié, %n réglages modifiés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n settings changed</source>
        <translation>
            <numerusform>terminé&#xa0;: %1 programmé et vérifié, %n réglage modifié</numerusform>
            <numerusform>terminé&#xa0;: %1 programmé et vérifié, %n réglages modifiés</numerusform>
        </translation>
    </message>
    <message>
        <source>(changes)</source>
        <translation>(modifié)</translation>
    </message>
    <message>
        <source>(the ESC has %1)</source>
        <extracomment>%1 is the entry the ESC has now.</extracomment>
        <translation>(l&apos;ESC a %1)</translation>
    </message>
    <message>
        <source>the settings before the write cannot be backed up (%1); note the codes the ESC reported: %2</source>
        <extracomment>%1 says why, %2 lists the codes.</extracomment>
        <translation>les réglages d&apos;avant l&apos;écriture ne peuvent pas être sauvegardés (%1)&#xa0;; notez les codes signalés par l&apos;ESC&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 (command %2 of %3, %4)</source>
        <extracomment>Names a command of a programming run: %1 the setting&apos;s caption and entry, %2 its number, %3 how many there are, %4 its byte.</extracomment>
        <translation>%1 (commande %2 sur %3, %4)</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the ones after it were not programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer, %3 the echo it should have sent.</extracomment>
        <translation>L&apos;ESC a répondu à %1 par %2 au lieu de son écho %3&#xa0;; on ne sait pas s&apos;il l&apos;a enregistrée, les réglages qui la suivent n&apos;ont pas été programmés.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed.</source>
        <translation>L&apos;ESC a répondu à %1 par %2 au lieu de son écho %3&#xa0;; on ne sait pas s&apos;il l&apos;a enregistrée, les réglages qui la précèdent ont été programmés.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed, the ones after it were not.</source>
        <translation>L&apos;ESC a répondu à %1 par %2 au lieu de son écho %3&#xa0;; on ne sait pas s&apos;il l&apos;a enregistrée, les réglages qui la précèdent ont été programmés, ceux qui la suivent non.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer.</extracomment>
        <translation>L&apos;ESC a rejeté %1&#xa0;: il a répondu %2 au lieu de 0x01&#xa0;; rien n&apos;a été programmé.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed.</source>
        <translation>L&apos;ESC a rejeté %1&#xa0;: il a répondu %2 au lieu de 0x01&#xa0;; les réglages qui la précèdent ont été programmés.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed, the ones after it were not.</source>
        <translation>L&apos;ESC a rejeté %1&#xa0;: il a répondu %2 au lieu de 0x01&#xa0;; les réglages qui la précèdent ont été programmés, ceux qui la suivent non.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1
Try &apos;%2&apos;.
</source>
        <extracomment>%1 says what is wrong, %2 is the help command to run.</extracomment>
        <translation>orvesc-cli&#xa0;: %1
Essayez &apos;%2&apos;.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: did you mean %2?</source>
        <translation>commande inconnue &quot;%1&quot;&#xa0;: vouliez-vous dire %2&#xa0;?</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: the commands are %2.</source>
        <translation>commande inconnue &quot;%1&quot;&#xa0;: les commandes sont %2.</translation>
    </message>
    <message>
        <source>unknown option %1%2.</source>
        <translation>option inconnue %1%2.</translation>
    </message>
    <message>
        <source>unknown option %1%2: did you mean --%3?</source>
        <translation>option inconnue %1%2&#xa0;: vouliez-vous dire --%3&#xa0;?</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>argument inattendu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 ne s&apos;applique pas à %2.</translation>
    </message>
    <message>
        <source>%1 applies only to %2.</source>
        <translation>%1 ne s&apos;applique qu&apos;à %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: give a COM number (COM3 or 3, 1 to 255) or a device path such as /dev/ttyUSB0.</source>
        <translation>&quot;%1&quot; n&apos;est pas un port&#xa0;: indiquez un numéro COM (COM3 ou 3, de 1 à 255) ou un chemin de périphérique tel que /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>--expect takes the number of ESCs that must answer, such as --expect 4; &quot;%1&quot; is none.</source>
        <translation>--expect prend le nombre d&apos;ESC qui doivent répondre, par exemple --expect 4&#xa0;; &quot;%1&quot; n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>--expect counts the ESCs that --all finds: add --all.</source>
        <translation>--expect compte les ESC que --all trouve&#xa0;: ajoutez --all.</translation>
    </message>
    <message>
        <source>give either --port or --all, not both.</source>
        <translation>indiquez soit --port, soit --all, mais pas les deux.</translation>
    </message>
    <message>
        <source>verify needs a settings file: orvesc-cli verify FILE.</source>
        <translation>verify nécessite un fichier de réglages&#xa0;: orvesc-cli verify FILE.</translation>
    </message>
    <message>
        <source>write needs a settings file, --set KEY=ENTRY, or both: nothing to write.</source>
        <translation>write nécessite un fichier de réglages, --set KEY=ENTRY, ou les deux&#xa0;: rien à écrire.</translation>
    </message>
    <message>
        <source>-o writes one ESC&apos;s settings: give one --port, or use --json.</source>
        <translation>-o écrit les réglages d&apos;un seul ESC&#xa0;: indiquez un seul --port, ou utilisez --json.</translation>
    </message>
    <message>
        <source>--station works on one cable: give at most one --port, and no --all.</source>
        <translation>--station fonctionne avec un seul câble&#xa0;: indiquez au plus un --port, et pas de --all.</translation>
    </message>
    <message>
        <source>--record keeps the record of a station&apos;s run: add --station.</source>
        <translation>--record conserve le journal d&apos;une série de la station&#xa0;: ajoutez --station.</translation>
    </message>
    <message>
        <source>--station programs every ESC it meets: drop --dry-run.</source>
        <translation>--station programme chaque ESC branché&#xa0;: retirez --dry-run.</translation>
    </message>
    <message>
        <source>--dry-run sends nothing, so there is nothing to verify: drop --no-verify.</source>
        <translation>--dry-run n&apos;envoie rien, il n&apos;y a donc rien à vérifier&#xa0;: retirez --no-verify.</translation>
    </message>
    <message>
        <source>(linked as %1)</source>
        <extracomment>%1 is the file the port is linked as.</extracomment>
        <translation>(lien %1)</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 Nothing was sent.</source>
        <extracomment>%1 says why the record cannot be written.</extracomment>
        <translation>orvesc-cli&#xa0;: %1 Rien n&apos;a été envoyé.</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation>Enregistrer le diagnostic...</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>timer de latence %1 ms</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>n° de série %1</translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation>Diagnostic %1 %2, écrit le %3</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (compilé avec %2)</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>Système&#xa0;: %1, noyau %2 %3, %4</translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation>Ports (COM%1 à COM%2)&#xa0;:</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  aucun</translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation>Trafic (%1 événements, %2 plus anciens supprimés&#xa0;; secondes depuis le démarrage)&#xa0;:</translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Le diagnostic n&apos;a pas pu être écrit dans %1&#xa0;: %2. Choisissez un autre dossier et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation>Enregistrer le diagnostic</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>OFF</source>
        <extracomment>A drop-down entry: keep it as short. The setting is off.</extracomment>
        <translation>NON</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>A drop-down entry: keep it as short. The setting is on.</extracomment>
        <translation>OUI</translation>
    </message>
    <message>
        <source>SOFT</source>
        <extracomment>A drop-down entry: keep it as short. A soft brake or a soft timing.</extracomment>
        <translation>DOUX</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>A drop-down entry: keep it as short. A hard timing.</extracomment>
        <translation>DUR</translation>
    </message>
    <message>
        <source>AUTO</source>
        <extracomment>A drop-down entry: keep it as short. The ESC picks the timing itself.</extracomment>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>STOP MOTOR</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the motor stops.</extracomment>
        <translation>ARRÊT MOTEUR</translation>
    </message>
    <message>
        <source>REDUCE POWER</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the power is reduced.</extracomment>
        <translation>RÉDUC. PUISS.</translation>
    </message>
    <message>
        <source>NO CUT</source>
        <extracomment>A drop-down entry: keep it as short. The motor is never cut at low voltage.</extracomment>
        <translation>AUCUNE</translation>
    </message>
    <message>
        <source>ON RANGE 1</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, first speed range.</extracomment>
        <translation>OUI PLAGE 1</translation>
    </message>
    <message>
        <source>ON RANGE 2</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, second speed range.</extracomment>
        <translation>OUI PLAGE 2</translation>
    </message>
    <message>
        <source>ON RANGE 3</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, third speed range.</extracomment>
        <translation>OUI PLAGE 3</translation>
    </message>
    <message>
        <source>GASMODE</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, in its gas mode.</extracomment>
        <translation>MODE GAZ</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.</extracomment>
        <translation>NIVEAU1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.</extracomment>
        <translation>NIVEAU2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.</extracomment>
        <translation>NIVEAU3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.</extracomment>
        <translation>NIVEAU4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.</extracomment>
        <translation>NIVEAU5</translation>
    </message>
    <message>
        <source>LEVEL6</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.</extracomment>
        <translation>NIVEAU6</translation>
    </message>
    <message>
        <source>LEVEL7</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.</extracomment>
        <translation>NIVEAU7</translation>
    </message>
    <message>
        <source>LEVEL8</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.</extracomment>
        <translation>NIVEAU8</translation>
    </message>
    <message>
        <source>LEVEL9</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.</extracomment>
        <translation>NIVEAU9</translation>
    </message>
    <message>
        <source>LEVEL10</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.</extracomment>
        <translation>NIVEAU10</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>A drop-down entry: keep it as short. The model has no acceleration delay setting.</extracomment>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Ni</source>
        <extracomment>A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside &quot;2S Li&quot; and the like.</extracomment>
        <translation>Ni</translation>
    </message>
    <message>
        <source>(no choice)</source>
        <extracomment>What a list names when none of its entries is chosen.</extracomment>
        <translation>(aucun choix)</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM control off.</source>
        <translation>Ce que fait l&apos;ESC du moteur quand les gaz sont coupés&#xa0;: NON le laisse tourner librement, OUI et DOUX le freinent. Le frein et la régulation de régime s&apos;excluent&#xa0;: choisir un frein désactive la régulation de régime.</translation>
    </message>
    <message>
        <source>The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li to 12S Li). Changing it resets the cutoff voltage, so choose the battery first.</source>
        <translation>La batterie qui alimente l&apos;ESC&#xa0;: Ni pour des éléments nickel, ou le nombre d&apos;éléments lithium (2S Li à 12S Li). La modifier réinitialise la tension de coupure&#xa0;: choisissez donc d&apos;abord la batterie.</translation>
    </message>
    <message>
        <source>The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. The lowest voltage counts as a hard cut, with which RPM control cannot be on.</source>
        <translation>La tension par élément à laquelle l&apos;ESC réagit à une batterie faible, selon le mode de coupure choisi. La tension la plus basse compte comme une coupure franche, incompatible avec la régulation de régime.</translation>
    </message>
    <message>
        <source>What the ESC does when the battery falls to the cutoff voltage. RPM control needs a cutoff: NO CUT switches it off.</source>
        <translation>Ce que fait l&apos;ESC quand la batterie descend à la tension de coupure. La régulation de régime exige une coupure&#xa0;: AUCUNE la désactive.</translation>
    </message>
    <message>
        <source>Starts the motor gently rather than at full power at once. RPM control needs soft start: OFF switches RPM control off, and turning RPM control on switches soft start on.</source>
        <translation>Démarre le moteur en douceur plutôt qu&apos;à pleine puissance d&apos;un coup. La régulation de régime exige le démarrage doux&#xa0;: NON désactive la régulation de régime, et activer la régulation de régime active le démarrage doux.</translation>
    </message>
    <message>
        <source>The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer fixed angles. Which timing suits a motor, see the motor&apos;s or the ESC&apos;s manual.</source>
        <translation>Le timing du moteur&#xa0;: AUTO le laisse à l&apos;ESC&#xa0;; les modèles pour 10 et 12 éléments proposent aussi des angles fixes. Pour le timing adapté à un moteur, voir la notice du moteur ou de l&apos;ESC.</translation>
    </message>
    <message>
        <source>The frequency at which the ESC switches the motor&apos;s power. Which suits a motor, see the ESC&apos;s manual. The W models have a warn voltage in its place.</source>
        <translation>La fréquence à laquelle l&apos;ESC commute la puissance du moteur. Pour celle qui convient à un moteur, voir la notice de l&apos;ESC. Les modèles W ont à la place une tension d&apos;alerte.</translation>
    </message>
    <message>
        <source>Offered by the W models in place of the frequency. What the ESC warns of at this voltage, and how, see the ESC&apos;s manual.</source>
        <translation>Proposé par les modèles W à la place de la fréquence. Ce dont l&apos;ESC avertit à cette tension, et comment&#xa0;: voir la notice de l&apos;ESC.</translation>
    </message>
    <message>
        <source>ON makes the motor turn the other way round.</source>
        <translation>OUI fait tourner le moteur dans l&apos;autre sens.</translation>
    </message>
    <message>
        <source>Keeps the motor&apos;s speed under the ESC&apos;s control, in one of its ranges (see the ESC&apos;s manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to REDUCE POWER.</source>
        <translation>Maintient le régime du moteur sous le contrôle de l&apos;ESC, dans l&apos;une de ses plages (voir la notice de l&apos;ESC). Incompatible avec un frein, avec l&apos;absence de démarrage doux, avec AUCUNE ou avec la tension de coupure la plus basse&#xa0;: l&apos;activer désactive le frein, active le démarrage doux et remplace ARRÊT MOTEUR par RÉDUC. PUISS.</translation>
    </message>
    <message>
        <source>How quickly the motor may follow the throttle, in ten levels; what each level means, see the ESC&apos;s manual. Only the R9 models for 10 and 12 cells have it.</source>
        <translation>La rapidité avec laquelle le moteur peut suivre les gaz, en dix niveaux&#xa0;; pour la signification de chaque niveau, voir la notice de l&apos;ESC. Seuls les modèles R9 pour 10 et 12 éléments le proposent.</translation>
    </message>
    <message>
        <source>A softer brake than ON; how soft, see the ESC&apos;s manual. It counts as a brake: RPM control is switched off.</source>
        <translation>Un frein plus doux que OUI&#xa0;; pour son intensité, voir la notice de l&apos;ESC. Il compte comme un frein&#xa0;: la régulation de régime est désactivée.</translation>
    </message>
    <message>
        <source>Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per cell.</source>
        <translation>Éléments nickel&#xa0;: la liste de coupure propose alors les tensions nickel, de 0.6 V à 0.9 V par élément.</translation>
    </message>
    <message>
        <source>The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE POWER.</source>
        <translation>Le moteur s&apos;arrête à la tension de coupure. Activer la régulation de régime remplace ce choix par RÉDUC. PUISS.</translation>
    </message>
    <message>
        <source>The ESC reduces the motor&apos;s power at the cutoff voltage instead of stopping it.</source>
        <translation>L&apos;ESC réduit la puissance du moteur à la tension de coupure au lieu de l&apos;arrêter.</translation>
    </message>
    <message>
        <source>No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control is switched off.</source>
        <translation>Pas de coupure&#xa0;: l&apos;ESC continue d&apos;alimenter le moteur, aussi bas que descende la batterie. La régulation de régime est désactivée.</translation>
    </message>
    <message>
        <source>A fixed soft timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Un timing doux fixe&#xa0;; pour son angle, voir la notice de l&apos;ESC.</translation>
    </message>
    <message>
        <source>A fixed hard timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Un timing dur fixe&#xa0;; pour son angle, voir la notice de l&apos;ESC.</translation>
    </message>
    <message>
        <source>The ESC chooses the timing itself.</source>
        <translation>L&apos;ESC choisit lui-même le timing.</translation>
    </message>
    <message>
        <source>Offered by the R9 models besides the ranges; it counts as RPM control on. What it does, see the ESC&apos;s manual.</source>
        <translation>Proposé par les modèles R9 en plus des plages&#xa0;; il compte comme régulation de régime activée. Pour son effet, voir la notice de l&apos;ESC.</translation>
    </message>
    <message>
        <source>This model has no acceleration delay.</source>
        <translation>Ce modèle n&apos;a pas de délai d&apos;accélération.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>These ports could not be opened, so no ESC was looked for there:</source>
        <extracomment>Followed by one line per port saying why it could not be opened.</extracomment>
        <translation>Ces ports n&apos;ont pas pu être ouverts, aucun ESC n&apos;y a donc été recherché&#xa0;:</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and press CONNECT.</source>
        <extracomment>COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0). CONNECT is a button: use its translated name.</extracomment>
        <translation>Le port de l&apos;ESC COM%1 (%2) a disparu&#xa0;: rebranchez le câble et appuyez sur CONNECTER.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and run the command again.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Le port de l&apos;ESC COM%1 (%2) a disparu&#xa0;: rebranchez le câble et relancez la commande.</translation>
    </message>
    <message>
        <source>The setting code %1 cannot be sent: a command is one byte, 0 to 255. Nothing was sent to the ESC.</source>
        <extracomment>%1 is the number that was to be sent.</extracomment>
        <translation>Le code de réglage %1 ne peut pas être envoyé&#xa0;: une commande tient sur un octet, de 0 à 255. Rien n&apos;a été envoyé à l&apos;ESC.</translation>
    </message>
    <message>
        <source>Orvantis Controller Not Found!<byte value="xd"/><byte value="xd"/>• Check the PC Cable Adapter&apos;s connector orientation at your ESC<byte value="xd"/><byte value="xd"/>• Check Windows Device Manager to insure that device drivers for<byte value="xd"/>  your USB Adapter cable are properly loaded, and that a Serial Port<byte value="xd"/>  has been created by the USB adapter</source>
        <extracomment>A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a maker&apos;s name; Device Manager is the name of the Windows program.</extracomment>
        <translation>Contrôleur Orvantis introuvable&#xa0;!<byte value="xd"/><byte value="xd"/>• Vérifiez l&apos;orientation du connecteur de l&apos;adaptateur du câble PC sur votre ESC<byte value="xd"/><byte value="xd"/>• Vérifiez dans le Gestionnaire de périphériques de Windows que les pilotes<byte value="xd"/>  de votre câble adaptateur USB sont correctement chargés et qu&apos;un port<byte value="xd"/>  série a bien été créé par l&apos;adaptateur USB</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>No COM port is selected: the port list is empty, or the selected entry has no port number (only the first ten listed ports can be used).</source>
        <extracomment>COM port: a serial port as the port list names it (COM1, COM2...).</extracomment>
        <translation>Aucun port COM n&apos;est sélectionné&#xa0;: la liste des ports est vide, ou l&apos;entrée sélectionnée n&apos;a pas de numéro de port (seuls les dix premiers ports listés sont utilisables).</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Aucun port série n&apos;est listé&#xa0;: branchez le câble d&apos;interface PC.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports. Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>%n is the number of ports searched, always 2 or more.</extracomment>
        <translation>
            <numerusform>Aucun ESC n&apos;a répondu sur %n port listé. Vérifiez l&apos;orientation du connecteur du câble sur l&apos;ESC et que l&apos;ESC est alimenté.</numerusform>
            <numerusform>Aucun ESC n&apos;a répondu sur aucun des %n ports listés. Vérifiez l&apos;orientation du connecteur du câble sur l&apos;ESC et que l&apos;ESC est alimenté.</numerusform>
        </translation>
    </message>
    <message>
        <source>No ESC answered on COM%1 (%2). Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Aucun ESC n&apos;a répondu sur COM%1 (%2). Vérifiez l&apos;orientation du connecteur du câble sur l&apos;ESC et que l&apos;ESC est alimenté.</translation>
    </message>
    <message>
        <source>the reply began with 0x00.</source>
        <extracomment>The command line&apos;s reason why a read failed, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>la réponse commençait par 0x00.</translation>
    </message>
    <message>
        <source>the run was cut short.</source>
        <extracomment>The command line&apos;s reason why a run ended, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>l&apos;opération a été interrompue.</translation>
    </message>
    <message>
        <source>Backups are off until OrvESC is started again: the settings cannot be saved in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have backups.</source>
        <extracomment>A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Les sauvegardes sont désactivées jusqu&apos;au prochain démarrage d&apos;OrvESC&#xa0;: les réglages ne peuvent pas être enregistrés dans<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECTER, ÉCRIRE et DÉFAUT fonctionnent comme avant&#xa0;; rendez le dossier accessible en écriture pour avoir des sauvegardes.</translation>
    </message>
    <message>
        <source>backups are off for this run: the settings cannot be saved in %1 (%2); the write goes on. Make the folder writable to have backups.</source>
        <extracomment>A command-line note after the port&apos;s name and a colon, so it starts lower case. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;).</extracomment>
        <translation>les sauvegardes sont désactivées pour cette opération&#xa0;: les réglages ne peuvent pas être enregistrés dans %1 (%2)&#xa0;; l&apos;écriture continue. Rendez le dossier accessible en écriture pour avoir des sauvegardes.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>RPM Control Disabled with Brake</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Régulation de régime désactivée avec le frein</translation>
    </message>
    <message>
        <source>RPM Control Disabled with Hard Cut LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Régulation de régime désactivée avec coupure basse tension franche</translation>
    </message>
    <message>
        <source>RPM Control Disabled without SoftStart</source>
        <extracomment>A message box after the user changed a setting.</extracomment>
        <translation>Régulation de régime désactivée sans démarrage doux</translation>
    </message>
    <message>
        <source>RPM Control Disabled without LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Régulation de régime désactivée sans coupure basse tension</translation>
    </message>
    <message>
        <source>Brake Disabled  / Softstart enabled with RPM Control</source>
        <extracomment>A message box after the user changed a setting: two corrections made at once.</extracomment>
        <translation>Frein désactivé / Démarrage doux activé avec la régulation de régime</translation>
    </message>
    <message>
        <source>The ESC reported settings that this tool cannot show (their lists are left empty):</source>
        <extracomment>The first line of a message box; one line per setting follows.</extracomment>
        <translation>L&apos;ESC a signalé des réglages que cet outil ne peut pas afficher (leurs listes restent vides)&#xa0;:</translation>
    </message>
    <message>
        <source>No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.</source>
        <extracomment>The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Aucune sauvegarde ne peut conserver ces codes&#xa0;: notez-les avant qu&apos;un appui sur ÉCRIRE ou DÉFAUT ne les écrase.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation>Réglages OrvESC (*.orvesc.json);;Fichiers JSON (*.json);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>No record file is named: name one.</source>
        <translation>Aucun fichier journal n&apos;est indiqué&#xa0;: indiquez-en un.</translation>
    </message>
    <message>
        <source>The record file %1 is a folder: name a file.</source>
        <translation>Le fichier journal %1 est un dossier&#xa0;: indiquez un fichier.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be read: %2.</source>
        <translation>Le fichier journal %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is not a record of OrvESC&apos;s runs (its first line differs): name another file.</source>
        <translation>%1 n&apos;est pas un journal des séries d&apos;OrvESC (sa première ligne diffère)&#xa0;: indiquez un autre fichier.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be written: %2.</source>
        <translation>Le fichier journal %1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>process %1</source>
        <extracomment>A program holding a serial port, known only by its process number %1.</extracomment>
        <translation>processus %1</translation>
    </message>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a serial port: %1 its name, %2 its process number.</extracomment>
        <translation>%1, processus %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the programs of a list in parentheses: &quot;(minicom, process 12; process 14)&quot;.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the names of two system services, or of a list of them and one more: &quot;ModemManager and gpsd&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 is running and may hold it. Stop it with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 a system service&apos;s name, %3 its unit; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 est utilisé par un autre programme&#xa0;; %2 est en cours d&apos;exécution et le bloque peut-être. Arrêtez-le avec&#xa0;: sudo systemctl stop %3, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 are running and may hold it. Stop them with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 the names of two or more system services, %3 their units; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 est utilisé par un autre programme&#xa0;; %2 sont en cours d&apos;exécution et le bloquent peut-être. Arrêtez-les avec&#xa0;: sudo systemctl stop %3, puis réessayez.</translation>
    </message>
    <message>
        <source>There is no %1: no serial port or USB adapter has that number. Check that the adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM12).</extracomment>
        <translation>%1 n&apos;existe pas&#xa0;: aucun port série ni adaptateur USB ne porte ce numéro. Vérifiez que l&apos;adaptateur est branché.</translation>
    </message>
    <message>
        <source>%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.</source>
        <extracomment>%1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.</extracomment>
        <translation>%1 n&apos;est pas un numéro de port utilisable par cet outil&#xa0;: les numéros vont de COM%2 à COM%3.</translation>
    </message>
    <message>
        <source>%1 is open: the port number can only change while the port is closed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 est ouvert&#xa0;: le numéro de port ne peut changer que lorsque le port est fermé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting the serial port can take (it should read like 19200,N,8,1).</source>
        <extracomment>%1 is the text given; &quot;19200,N,8,1&quot; is a setting as the port takes it and stays as it is.</extracomment>
        <translation>&quot;%1&quot; n&apos;est pas un paramétrage de ligne accepté par le port série (il doit se présenter comme 19200,N,8,1).</translation>
    </message>
    <message>
        <source>%1 is not a read length (0 reads everything waiting).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 n&apos;est pas une longueur de lecture (0 lit tout ce qui est en attente).</translation>
    </message>
    <message>
        <source>%1 is not a read mode (0 text, 1 bytes).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 n&apos;est pas un mode de lecture (0 texte, 1 octets).</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1).</extracomment>
        <translation>%1 n&apos;accepte pas les paramètres de ligne %2.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2: %3.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system&apos;s reason.</extracomment>
        <translation>%1 n&apos;accepte pas les paramètres de ligne %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 est déjà ouvert.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist. Check that the USB adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 ne peut pas être ouvert&#xa0;: le périphérique n&apos;existe pas. Vérifiez que l&apos;adaptateur USB est branché.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user. Ask the administrator of this computer for access to the device.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 ne peut pas être ouvert par cet utilisateur. Demandez à l&apos;administrateur de cet ordinateur l&apos;accès au périphérique.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user: access is granted to the group &quot;%2&quot;. Join it with: sudo usermod -aG %2 $USER, then log in again.</source>
        <extracomment>%1 is a port name (COM3), %2 a user group&apos;s name (dialout); &quot;sudo usermod -aG %2 $USER&quot; is a command and stays as it is.</extracomment>
        <translation>%1 ne peut pas être ouvert par cet utilisateur&#xa0;: l&apos;accès est accordé au groupe &quot;%2&quot;. Rejoignez-le avec&#xa0;: sudo usermod -aG %2 $USER, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this user may not write the port&apos;s lock file (in /var/lock or /tmp).</source>
        <extracomment>%1 is a port name (COM3); /var/lock and /tmp are folders.</extracomment>
        <translation>%1 ne peut pas être ouvert&#xa0;: cet utilisateur ne peut pas écrire le fichier de verrouillage du port (dans /var/lock ou /tmp).</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 est utilisé par un autre programme. Fermez ce programme ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2). Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3), %2 the programs holding it (&quot;minicom, process 12&quot;).</extracomment>
        <translation>%1 est utilisé par un autre programme (%2). Fermez ce programme ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not a serial port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 ne peut pas être ouvert&#xa0;: ce n&apos;est pas un port série.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the system gave no reason.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 ne peut pas être ouvert&#xa0;: le système n&apos;a donné aucune raison.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: the USB adapter may have been unplugged.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>La connexion à %1 a été perdue&#xa0;: l&apos;adaptateur USB a peut-être été débranché.</translation>
    </message>
    <message>
        <source>%1 is not open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>Sending to %1 failed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>L&apos;envoi vers %1 a échoué.</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>L&apos;envoi vers %1 a échoué&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>La lecture depuis %1 a échoué&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port %1 is gone.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Le port de l&apos;ESC %1 a disparu.</translation>
    </message>
    <message>
        <source>%1 (linked as %2)</source>
        <extracomment>A port&apos;s tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).</extracomment>
        <translation>%1 (lien %2)</translation>
    </message>
    <message>
        <source>The USB adapter %1 appeared and vanished again at once: brltty, a braille-display service, may be taking it. If you use no braille display, remove it with: sudo apt remove brltty, then plug the adapter in again.</source>
        <extracomment>%1 is the adapter&apos;s device (/dev/ttyUSB0); brltty is a program&apos;s name and &quot;sudo apt remove brltty&quot; a command: both stay as they are.</extracomment>
        <translation>L&apos;adaptateur USB %1 est apparu puis a aussitôt disparu&#xa0;: brltty, un service pour afficheurs braille, s&apos;en empare peut-être. Si vous n&apos;utilisez pas d&apos;afficheur braille, supprimez-le avec&#xa0;: sudo apt remove brltty, puis rebranchez l&apos;adaptateur.</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>the %1 has no %2 setting</source>
        <extracomment>%1 is the ESC&apos;s model, %2 a setting&apos;s caption (&quot;BRAKE&quot;).</extracomment>
        <translation>le %1 n&apos;a pas de réglage %2</translation>
    </message>
    <message>
        <source>%1: the %2 has no entry &quot;%3&quot;. Its entries: %4</source>
        <extracomment>%1 is a setting&apos;s caption, %2 the ESC&apos;s model, %3 the entry asked for, %4 the list&apos;s entries.</extracomment>
        <translation>%1&#xa0;: le %2 n&apos;a pas d&apos;entrée &quot;%3&quot;. Ses entrées&#xa0;: %4</translation>
    </message>
    <message>
        <source>the setting rules would change %1. Ask for a combination the rules allow</source>
        <extracomment>%1 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*, BRAKE: ON -&gt; OFF*&quot;.</extracomment>
        <translation>les règles de réglage changeraient %1. Demandez une combinaison autorisée par les règles</translation>
    </message>
    <message>
        <source>%1: the setting rules would change %2. Ask for a combination the rules allow</source>
        <extracomment>%1 quotes what the rules said, %2 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*&quot;.</extracomment>
        <translation>%1&#xa0;: les règles de réglage changeraient %2. Demandez une combinaison autorisée par les règles</translation>
    </message>
    <message>
        <source>model code %1</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>code de modèle %1</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2, for which the list has no entry; give one</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a code such as 0x9F.</extracomment>
        <translation>%1&#xa0;: l&apos;ESC a signalé le code %2, pour lequel la liste n&apos;a pas d&apos;entrée&#xa0;; indiquez-en une</translation>
    </message>
</context>
<context>
    <name>SettingsCompare</name>
    <message>
        <source>code %1</source>
        <extracomment>A setting&apos;s value that no entry of the list stands for; %1 is the number.</extracomment>
        <translation>code %1</translation>
    </message>
    <message>
        <source>%1: the ESC has %2, the list shows %3</source>
        <extracomment>%1 is a setting&apos;s caption, %2 what the ESC reported, %3 what the list shows (entries or codes).</extracomment>
        <translation>%1&#xa0;: l&apos;ESC a %2, la liste affiche %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>unknown key %1 is ignored</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>la clé inconnue %1 est ignorée</translation>
    </message>
    <message>
        <source>unknown key %1 in &quot;model&quot; is ignored</source>
        <translation>la clé inconnue %1 dans &quot;model&quot; est ignorée</translation>
    </message>
    <message>
        <source>unknown key %1 in the setting %2 is ignored</source>
        <extracomment>%1 is a JSON key in quotes, %2 the setting&apos;s key in quotes (&quot;brake&quot;).</extracomment>
        <translation>la clé inconnue %1 dans le réglage %2 est ignorée</translation>
    </message>
    <message>
        <source>model (%1)</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>modèle (%1)</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 a number, %3 the setting&apos;s caption, %4 the model.</extracomment>
        <translation>le réglage %1 a le code %2, qui ne correspond à aucune entrée %3 du %4</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery</source>
        <extracomment>%5 is the battery&apos;s chemistry, Li or Ni.</extracomment>
        <translation>le réglage %1 a le code %2, qui ne correspond à aucune entrée %3 du %4 avec une batterie %5</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery</source>
        <extracomment>The cutoff kept for the battery family not in use; %5 is that family&apos;s chemistry, Li or Ni.</extracomment>
        <translation>le réglage %1 a le code %2, qui ne correspond à aucune entrée %3 du %4 pour une batterie %5</translation>
    </message>
    <message>
        <source>the setting %1 is not an object with &quot;code&quot; and &quot;text&quot;</source>
        <extracomment>%1 is the setting&apos;s key in quotes; &quot;code&quot; and &quot;text&quot; are the file&apos;s keys.</extracomment>
        <translation>le réglage %1 n&apos;est pas un objet avec &quot;code&quot; et &quot;text&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;code&quot;</source>
        <translation>le réglage %1 n&apos;a pas de &quot;code&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, not a whole number from 0 to 255</source>
        <extracomment>%2 is the code as the file holds it.</extracomment>
        <translation>le réglage %1 a le code %2, qui n&apos;est pas un nombre entier de 0 à 255</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;text&quot;; its code %2 stands for %3</source>
        <extracomment>%2 is a number, %3 the list&apos;s entry in quotes.</extracomment>
        <translation>le réglage %1 n&apos;a pas de &quot;text&quot;&#xa0;; son code %2 correspond à %3</translation>
    </message>
    <message>
        <source>the setting %1 has text %2 but its code %3 stands for %4; correct the text or the code</source>
        <extracomment>%2 is the text the file holds, %3 a number, %4 the list&apos;s entry; both texts in quotes.</extracomment>
        <translation>le réglage %1 a le texte %2 mais son code %3 correspond à %4&#xa0;; corrigez le texte ou le code</translation>
    </message>
    <message>
        <source>it holds the setting %1, which %2 does not have</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 the model.</extracomment>
        <translation>il contient le réglage %1, que le %2 n&apos;a pas</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its JSON text is no object)</source>
        <translation>ce n&apos;est pas un fichier de réglages OrvESC (son texte JSON n&apos;est pas un objet)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (it has no &quot;format&quot;)</source>
        <translation>ce n&apos;est pas un fichier de réglages OrvESC (il n&apos;a pas de &quot;format&quot;)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its format is %1, not %2)</source>
        <extracomment>%1 is the format the file names, %2 the one OrvESC writes, both in quotes.</extracomment>
        <translation>ce n&apos;est pas un fichier de réglages OrvESC (son format est %1, et non %2)</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or not a whole number from 1 up</source>
        <translation>sa clé &quot;version&quot; est absente ou n&apos;est pas un nombre entier supérieur ou égal à 1</translation>
    </message>
    <message>
        <source>it has format version %1, newer than the version %2 this OrvESC reads; open it with a newer OrvESC</source>
        <extracomment>%1 is the file&apos;s format version, %2 the newest this OrvESC reads.</extracomment>
        <translation>il a la version de format %1, plus récente que la version %2 que lit cet OrvESC&#xa0;; ouvrez-le avec un OrvESC plus récent</translation>
    </message>
    <message>
        <source>it names no &quot;model&quot;</source>
        <translation>il n&apos;indique aucun &quot;model&quot;</translation>
    </message>
    <message>
        <source>its model has no whole-number &quot;code&quot;</source>
        <translation>son modèle n&apos;a pas de &quot;code&quot; entier</translation>
    </message>
    <message>
        <source>its model code %1 is not a model this tool knows</source>
        <extracomment>%1 is the model code the file holds.</extracomment>
        <translation>son code de modèle %1 ne correspond à aucun modèle connu de cet outil</translation>
    </message>
    <message>
        <source>it has no &quot;settings&quot; object</source>
        <translation>il n&apos;a pas d&apos;objet &quot;settings&quot;</translation>
    </message>
    <message>
        <source>the setting %1 is missing</source>
        <extracomment>%1 is the setting&apos;s key in quotes.</extracomment>
        <translation>le réglage %1 est absent</translation>
    </message>
    <message>
        <source>the model code %1 is not one the tool knows by name, so no settings file can hold it</source>
        <translation>le code de modèle %1 ne correspond à aucun nom connu de l&apos;outil, donc aucun fichier de réglages ne peut le contenir</translation>
    </message>
    <message>
        <source>no choice is selected for %1</source>
        <extracomment>%1 lists the captions of the settings, &quot;BRAKE, TIMING MODE&quot;.</extracomment>
        <translation>aucun choix n&apos;est sélectionné pour %1</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>%1 is the file&apos;s size in bytes.</extracomment>
        <translation>il dépasse 64 Kio (%1 octets), bien trop pour un fichier de réglages</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>ce n&apos;est pas du texte JSON</translation>
    </message>
    <message>
        <source>%1 shows an entry that stands for no code of this model: %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1 affiche une entrée qui ne correspond à aucun code de ce modèle&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1&#xa0;: l&apos;ESC a signalé le code %2</translation>
    </message>
    <message>
        <source>the key %1 appears twice in one place</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>la clé %1 apparaît deux fois au même endroit</translation>
    </message>
    <message>
        <source>it ends before its JSON text does (the file is cut short)</source>
        <translation>il se termine avant la fin de son texte JSON (le fichier est tronqué)</translation>
    </message>
    <message>
        <source>it is not JSON text (error at %1)</source>
        <extracomment>%1 is a place in the file, &quot;line 3, column 14&quot;.</extracomment>
        <translation>ce n&apos;est pas du texte JSON (erreur à %1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>it nests values deeper than a settings file does</source>
        <translation>il imbrique des valeurs plus profondément que ne le fait un fichier de réglages</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>Impossible d&apos;utiliser le fichier de réglages<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>Les listes sont inchangées.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir des réglages</translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation>Il n&apos;y a encore aucune sauvegarde. Chaque appui sur CONNECTER qui lit les réglages d&apos;un ESC les enregistre dans<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation>Ce fichier contient les réglages d&apos;un %1, l&apos;ESC connecté est un %2. Les réglages qu&apos;il ne propose pas gardent leur choix.</translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation>Vérifiez l&apos;absence de fautes de frappe dans le fichier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation>Les listes affichent déjà les réglages de ce fichier.</translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation>L&apos;ESC connecté ne propose pas&#xa0;:</translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation>Ces réglages vont changer&#xa0;:</translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation>Appuyez ensuite sur ÉCRIRE pour les écrire dans l&apos;ESC.</translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation>Ces réglages du fichier ne sont pas proposés par le %1 connecté et gardent leur choix&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Enregistrer les réglages sous</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation>Le fichier<byte value="xd"/>%1<byte value="xd"/>existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans<byte value="xd"/>%1<byte value="xd"/>(%2). Choisissez un autre emplacement.</translation>
    </message>
</context>
<context>
    <name>StationProgramming</name>
    <message>
        <source>Refused: this is a %1, the settings are for a %2. Nothing was written.</source>
        <translation>Refusé&#xa0;: c&apos;est un %1, les réglages sont pour un %2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Not programmed: its settings could not be backed up (%1).</source>
        <translation>Non programmé&#xa0;: ses réglages n&apos;ont pas pu être sauvegardés (%1).</translation>
    </message>
    <message>
        <source>no backup folder</source>
        <translation>aucun dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Refused: %1. Nothing was written.</source>
        <translation>Refusé&#xa0;: %1. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: %2 (command %3 of %4).</source>
        <translation>L&apos;ESC a rejeté %1&#xa0;: %2 (commande %3 sur %4).</translation>
    </message>
    <message>
        <source>No answer to %1: %2 (command %3 of %4).</source>
        <translation>Pas de réponse à %1&#xa0;: %2 (commande %3 sur %4).</translation>
    </message>
    <message>
        <source>Cut short.</source>
        <translation>Interrompu.</translation>
    </message>
    <message>
        <source>The read-back differs in %1.</source>
        <translation>La relecture diffère sur %1.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the folder cannot be created</source>
        <extracomment>Why backups cannot be saved, shown in parentheses after the backup folder&apos;s name.</extracomment>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is its size in bytes.</extracomment>
        <translation>il dépasse 64 Kio (%1 octets), bien trop pour un fichier de réglages</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is the system&apos;s reason.</extracomment>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Rien n&apos;a été comparé&#xa0;: aucun choix n&apos;est sélectionné pour %1.</translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation>L&apos;ESC contient les réglages affichés.</translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation>L&apos;ESC a accepté toutes les commandes, mais la relecture de ses réglages montre des différences&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>FREIN</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATTERIE</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation>COUPURE V/ÉLÉM.</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation>MODE COUPURE</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>DÉMAR. DOUX</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>MODE TIMING</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>FRÉQUENCE</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>INVERS. MOTEUR</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>RÉGUL. RPM</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>DÉLAI D&apos;ACCÉLÉRATION</translation>
    </message>
    <message>
        <source>CUTOFF</source>
        <translation>COUPURE</translation>
    </message>
    <message>
        <source>AUTOCUT</source>
        <translation>COUP.AUTO</translation>
    </message>
    <message>
        <source>TIMING</source>
        <translation>TIMING</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>MOTEUR</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>CONNECTER</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>ÉCRIRE</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>ESC Detected</source>
        <translation>ESC détecté</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>DÉFAUT</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation>Ouvrir des réglages...</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Enregistrer les réglages sous...</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation>Comparer avec l&apos;ESC</translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation>Vérifier après ÉCRIRE</translation>
    </message>
    <message>
        <source>Program several ESCs...</source>
        <translation>Programmer plusieurs ESC...</translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation>%1 - &quot;%2&quot; sera ouvert après CONNECTER</translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Rien n&apos;a été envoyé&#xa0;: aucun choix n&apos;est sélectionné pour %1.</translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation>ESC Quorl programmé</translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation>%1 fonctionne une fois que CONNECTER a lu les réglages d&apos;un ESC&#xa0;: connectez d&apos;abord l&apos;ESC.</translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation>Interface PC pour ESC Orvantis</translation>
    </message>
</context>
<context>
    <name>orvesc::SeveralEscsDialog</name>
    <message>
        <source>Program several ESCs</source>
        <translation>Programmer plusieurs ESC</translation>
    </message>
    <message>
        <source>The settings the lists show</source>
        <translation>Les réglages affichés dans les listes</translation>
    </message>
    <message>
        <source>A settings file:</source>
        <translation>Un fichier de réglages&#xa0;:</translation>
    </message>
    <message>
        <source>The model&apos;s factory settings</source>
        <translation>Les réglages d&apos;usine du modèle</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Journal&#xa0;:</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Fichier de réglages</translation>
    </message>
    <message>
        <source>Settings (*.orvesc.json *.json)</source>
        <translation>Réglages (*.orvesc.json *.json)</translation>
    </message>
    <message>
        <source>Choose the settings and the port, then press Start.</source>
        <translation>Choisissez les réglages et le port, puis appuyez sur Démarrer.</translation>
    </message>
    <message>
        <source>Passed: %1  Failed: %2</source>
        <translation>Réussis&#xa0;: %1  Échoués&#xa0;: %2</translation>
    </message>
    <message>
        <source>Name a settings file.</source>
        <translation>Indiquez un fichier de réglages.</translation>
    </message>
    <message>
        <source>Writes the settings of %1.</source>
        <translation>Écrit les réglages de %1.</translation>
    </message>
    <message>
        <source>Writes the settings the lists show, for the %1.</source>
        <translation>Écrit les réglages affichés dans les listes, pour le %1.</translation>
    </message>
    <message>
        <source>Writes the factory settings of the %1.</source>
        <translation>Écrit les réglages d&apos;usine du %1.</translation>
    </message>
    <message>
        <source>Name a settings file, or choose other settings.</source>
        <translation>Indiquez un fichier de réglages, ou choisissez d&apos;autres réglages.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Writes the settings of %1, for the %2.</source>
        <translation>Écrit les réglages de %1, pour le %2.</translation>
    </message>
    <message>
        <source>These settings cannot be written: %1.</source>
        <translation>Ces réglages ne peuvent pas être écrits&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No port is listed: plug in the PC interface cable.</source>
        <translation>Aucun port n&apos;est listé&#xa0;: branchez le câble d&apos;interface PC.</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>La série s&apos;est arrêtée.</translation>
    </message>
    <message>
        <source>Unplug the ESC.</source>
        <translation>Débranchez l&apos;ESC.</translation>
    </message>
    <message>
        <source>Another ESC is on the cable.</source>
        <translation>Un autre ESC est sur le câble.</translation>
    </message>
    <message>
        <source>Plug in the next ESC.</source>
        <translation>Branchez l&apos;ESC suivant.</translation>
    </message>
    <message>
        <source>Plug in an ESC.</source>
        <translation>Branchez un ESC.</translation>
    </message>
    <message>
        <source>Run ended: %1 passed, %2 failed.</source>
        <translation>Série terminée&#xa0;: réussis %1, échoués %2.</translation>
    </message>
    <message>
        <source>%1  %2  %3  PASS</source>
        <translation>%1  %2  %3  PASS</translation>
    </message>
    <message>
        <source>%1  %2  %3  FAIL: %4</source>
        <translation>%1  %2  %3  FAIL&#xa0;: %4</translation>
    </message>
    <message>
        <source>Stopping once this ESC is done.</source>
        <translation>Arrêt dès que cet ESC sera terminé.</translation>
    </message>
    <message>
        <source>Stopping.</source>
        <translation>Arrêt en cours.</translation>
    </message>
</context>
<context>
    <name>orvesc::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name (OrvESC).</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Orvantis ESC PC interface</source>
        <extracomment>Orvantis is a maker&apos;s name; ESC: electronic speed controller.</extracomment>
        <translation>Interface PC pour ESC Orvantis</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number (1.3.1): keep the three parts together as they are.</extracomment>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>This software will enable programming of a Orvantis ESC when used in conjunction with a Orvantis PC Interface Cable and a PC.
For news and updates visit www.orvantis.example</source>
        <extracomment>Orvantis is a maker&apos;s name; the web address stays as it is.</extracomment>
        <translation>Ce logiciel permet de programmer un ESC Orvantis à l&apos;aide d&apos;un câble d&apos;interface PC Orvantis et d&apos;un PC.
Pour les actualités et mises à jour, consultez www.orvantis.example</translation>
    </message>
    <message>
        <source>Warning: this software is provided as is, without warranty of any kind. Orvantis accepts no liability for any damage, injury or loss arising from its use, including from settings written to a speed controller. Remove the propeller before programming.</source>
        <translation>Avertissement&#xa0;: ce logiciel est fourni tel quel, sans garantie d&apos;aucune sorte. Orvantis décline toute responsabilité pour tout dommage, blessure ou perte résultant de son utilisation, y compris du fait des réglages écrits dans un variateur. Retirez l&apos;hélice avant la programmation.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button that starts the system&apos;s information program; &amp; marks its access key.</extracomment>
        <translation>&amp;Infos système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informations système actuellement indisponibles</translation>
    </message>
</context>
</TS>
