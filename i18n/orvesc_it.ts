<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Caption</name>
    <message>
        <source>BRAKE</source>
        <translation>FRENO</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATTERIA</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <extracomment>The battery voltage per cell at which the ESC cuts the motor.</extracomment>
        <translation>TAGLIO V/CELLA</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <extracomment>What the ESC does when the battery reaches the cutoff voltage.</extracomment>
        <translation>MODO TAGLIO</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>AVVIO DOLCE</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>MODO TIMING</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>MOTORE INVERSO</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>CTRL RPM</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>RITARDO ACCEL.</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <extracomment>The caption above a setting list: the motor&apos;s switching frequency. Short and upper case, like the others.</extracomment>
        <translation>FREQUENZA</translation>
    </message>
    <message>
        <source>WARN VOLTAGE</source>
        <extracomment>The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.</extracomment>
        <translation>TENS. ALLARME</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 found</source>
        <extracomment>%1 is the ESC&apos;s model name.</extracomment>
        <translation>%1 trovato</translation>
    </message>
    <message>
        <source>%1 gets no COM number: all numbers are taken.</source>
        <extracomment>%1 is a device path given with --port.</extracomment>
        <translation>%1 non riceve un numero COM: tutti i numeri sono occupati.</translation>
    </message>
    <message>
        <source>set it to 1 in Device Manager: the port&apos;s Properties, Port Settings, Advanced, Latency Timer (msec)</source>
        <translation>impostalo a 1 in Gestione dispositivi: Proprietà della porta, Impostazioni porta, Avanzate, Latency Timer (msec)</translation>
    </message>
    <message>
        <source>the package&apos;s udev rule sets it to 1 when the adapter is plugged in, or: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <extracomment>%1 is the adapter&apos;s device name in sysfs.</extracomment>
        <translation>la regola udev del pacchetto lo imposta a 1 quando l&apos;adattatore viene collegato, oppure: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2</source>
        <extracomment>%1 the adapter&apos;s latency timer in milliseconds, %2 how to lower it.</extracomment>
        <translation>timer di latenza %1 ms: ogni risposta attende fino a %1 ms nell&apos;adattatore; %2</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Nessuna porta seriale elencata: collega il cavo di interfaccia PC.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C while programming: the ESC may hold part of the new settings; run the command again on this port.</source>
        <translation>Interrotto con Ctrl+C durante la programmazione: l&apos;ESC potrebbe contenere solo una parte delle nuove impostazioni; esegui di nuovo il comando su questa porta.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C.</source>
        <translation>Interrotto con Ctrl+C.</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <extracomment>A port&apos;s failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.</extracomment>
        <translation>%1: errore %2: %3</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port.</source>
        <translation>Nessun ESC ha risposto sull&apos;unica porta elencata.</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port; none on %1.</source>
        <translation>Nessun ESC ha risposto sull&apos;unica porta elencata; nessuno su %1.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port.</source>
        <extracomment>%1 names the ports where no ESC answered.</extracomment>
        <translation>
            <numerusform>Nessun ESC ha risposto su %n porta elencata.</numerusform>
            <numerusform>Nessun ESC ha risposto su nessuna delle %n porte elencate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports.</source>
        <translation>
            <numerusform>Nessun ESC ha risposto su %n porta elencata.</numerusform>
            <numerusform>Nessun ESC ha risposto su nessuna delle %n porte elencate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port; none on %1.</source>
        <translation>
            <numerusform>Nessun ESC ha risposto su %n porta elencata; nessuno su %1.</numerusform>
            <numerusform>Nessun ESC ha risposto su nessuna delle %n porte elencate; nessuno su %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports; none on %1.</source>
        <translation>
            <numerusform>Nessun ESC ha risposto su %n porta elencata; nessuno su %1.</numerusform>
            <numerusform>Nessun ESC ha risposto su nessuna delle %n porte elencate; nessuno su %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2).</source>
        <extracomment>%1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Un ESC ha risposto su %1 di %n porta elencata, ne erano attesi %2 (--expect %2).</numerusform>
            <numerusform>Un ESC ha risposto su %1 delle %n porte elencate, ne erano attesi %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2).</source>
        <translation>
            <numerusform>Un ESC ha risposto su %1 di %n porta elencata, ne erano attesi %2 (--expect %2).</numerusform>
            <numerusform>Un ESC ha risposto su %1 delle %n porte elencate, ne erano attesi %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Un ESC ha risposto su %1 di %n porta elencata, ne erano attesi %2 (--expect %2); nessuno su %3.</numerusform>
            <numerusform>Un ESC ha risposto su %1 delle %n porte elencate, ne erano attesi %2 (--expect %2); nessuno su %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Un ESC ha risposto su %1 di %n porta elencata, ne erano attesi %2 (--expect %2); nessuno su %3.</numerusform>
            <numerusform>Un ESC ha risposto su %1 delle %n porte elencate, ne erano attesi %2 (--expect %2); nessuno su %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port.</source>
        <extracomment>%1 ESCs answered; %2 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Un ESC ha risposto su %1 di %n porta elencata.</numerusform>
            <numerusform>Un ESC ha risposto su %1 delle %n porte elencate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports.</source>
        <translation>
            <numerusform>Un ESC ha risposto su %1 di %n porta elencata.</numerusform>
            <numerusform>Un ESC ha risposto su %1 delle %n porte elencate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port; none on %2.</source>
        <translation>
            <numerusform>Un ESC ha risposto su %1 di %n porta elencata; nessuno su %2.</numerusform>
            <numerusform>Un ESC ha risposto su %1 delle %n porte elencate; nessuno su %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports; none on %2.</source>
        <translation>
            <numerusform>Un ESC ha risposto su %1 di %n porta elencata; nessuno su %2.</numerusform>
            <numerusform>Un ESC ha risposto su %1 delle %n porte elencate; nessuno su %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not searched: %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Porte non esaminate: %1</translation>
    </message>
    <message>
        <source>Check the cable&apos;s connector orientation at each ESC and that it is powered.</source>
        <translation>Controlla l&apos;orientamento del connettore del cavo su ciascun ESC e che l&apos;ESC sia alimentato.</translation>
    </message>
    <message>
        <source>orvesc-cli: error %1: %2</source>
        <translation>orvesc-cli: errore %1: %2</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable.</source>
        <translation>nessuna porta seriale elencata: collega il cavo di interfaccia PC.</translation>
    </message>
    <message>
        <source>No listed port can be opened. %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Nessuna delle porte elencate può essere aperta. %1</translation>
    </message>
    <message>
        <source>%1 Not searched: %2</source>
        <extracomment>%1 says that no ESC answered, %2 names the ports not opened, with the reason.</extracomment>
        <translation>%1 Porte non esaminate: %2</translation>
    </message>
    <message>
        <source>Reading the settings failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Lettura delle impostazioni non riuscita: %1</translation>
    </message>
    <message>
        <source>No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends).</source>
        <translation>Ancora nessuna porta seriale elencata: collega il cavo di interfaccia PC (Ctrl+C per terminare).</translation>
    </message>
    <message>
        <source>settings of the %1 read: no settings document can hold them (%2), so the JSON holds the codes the ESC reported</source>
        <extracomment>%1 is the model&apos;s name, %2 why no settings document can hold what it reported.</extracomment>
        <translation>impostazioni del %1 lette: nessun documento di impostazioni può contenerle (%2), quindi il JSON contiene i codici riportati dall&apos;ESC</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be written.</extracomment>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>no settings file can hold these settings: %1.</source>
        <translation>nessun file di impostazioni può contenere queste impostazioni: %1.</translation>
    </message>
    <message>
        <source>settings of the %1 read and saved in %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>impostazioni del %1 lette e salvate in %2</translation>
    </message>
    <message>
        <source>settings of the %1 read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>impostazioni del %1 lette</translation>
    </message>
    <message>
        <source>%1: %2 (model code %3)
</source>
        <extracomment>A heading of the settings table: %1 the port, %2 the model&apos;s name, %3 its model code.</extracomment>
        <translation>%1: %2 (codice modello %3)
</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot; is not KEY=ENTRY (for example --set brake=on).</source>
        <translation>--set &quot;%1&quot; non è nella forma KEY=ENTRY (ad esempio --set brake=on).</translation>
    </message>
    <message>
        <source>--set: &quot;%1&quot; is not a setting. Settings: %2.</source>
        <extracomment>%1 as typed, %2 the setting keys.</extracomment>
        <translation>--set: &quot;%1&quot; non è un&apos;impostazione. Impostazioni: %2.</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not an entry of %3. Entries: %4.</source>
        <extracomment>%1 the key as typed, %2 the entry as typed, %3 the setting&apos;s caption, %4 its entries.</extracomment>
        <translation>--set %1: &quot;%2&quot; non è una voce di %3. Voci: %4.</translation>
    </message>
    <message>
        <source>--set %1: the %2 has no %3 setting. Its settings: %4.</source>
        <extracomment>%1 the key as typed, %2 the model&apos;s name, %3 the setting&apos;s caption, %4 the model&apos;s setting keys.</extracomment>
        <translation>--set %1: il %2 non ha l&apos;impostazione %3. Le sue impostazioni: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>%1 non è utilizzabile: %2.</translation>
    </message>
    <message>
        <source>The settings by their key for --set and settings files, with their caption; the entries each model offers (* marks the factory setting); what they do.</source>
        <translation>Le impostazioni per chiave (usata da --set e dai file di impostazioni), con la loro etichetta; le voci offerte da ciascun modello (* indica l&apos;impostazione di fabbrica); cosa fanno.</translation>
    </message>
    <message>
        <source>every model, battery Ni</source>
        <extracomment>Stands before a setting&apos;s entries where every model offers them, in place of the models&apos; names.</extracomment>
        <translation>tutti i modelli, batteria Ni</translation>
    </message>
    <message>
        <source>every model</source>
        <translation>tutti i modelli</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable, then start the station again.</source>
        <translation>nessuna porta seriale elencata: collega il cavo di interfaccia PC, poi avvia di nuovo la stazione.</translation>
    </message>
    <message>
        <source>--station works on one cable, and %1 ports are listed: %2. Name the cable&apos;s with --port, e.g. --port %3; nothing was sent.</source>
        <extracomment>%1 the number of ports (always several), %2 the ports, %3 the first of them.</extracomment>
        <translation>--station funziona con un solo cavo, ma sono elencate %1 porte: %2. Indica quella del cavo con --port, ad es. --port %3; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Station: on %1, the only port listed.</source>
        <extracomment>%1 is the port and its device.</extracomment>
        <translation>Stazione: su %1, l&apos;unica porta elencata.</translation>
    </message>
    <message>
        <source>%1 %2  %3  %4  (passed %5, failed %6)%7
</source>
        <extracomment>A station&apos;s result line: %1 PASS or FAIL, %2 the ESC&apos;s number in the run, %3 its model, %4 the port; %5 and %6 the counts so far, %7 nothing or &quot;: error N: what went wrong&quot;.</extracomment>
        <translation>%1 %2  %3  %4  (superati %5, falliti %6)%7
</translation>
    </message>
    <message>
        <source>: error %1: %2</source>
        <translation>: errore %1: %2</translation>
    </message>
    <message>
        <source>Station: the record of this run goes to %1</source>
        <extracomment>%1 is the record file.</extracomment>
        <translation>Stazione: il registro di questa sessione viene scritto in %1</translation>
    </message>
    <message>
        <source>Station: finishing the ESC being programmed; Ctrl+C again ends at once.</source>
        <translation>Stazione: completamento della programmazione dell&apos;ESC in corso; premi di nuovo Ctrl+C per terminare subito.</translation>
    </message>
    <message>
        <source>Station: %1: cut short by Ctrl+C while programming: the ESC may hold part of the new settings; program it again.</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>Stazione: %1: interrotto con Ctrl+C durante la programmazione: l&apos;ESC potrebbe contenere solo una parte delle nuove impostazioni; programmalo di nuovo.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 The station stops.</source>
        <extracomment>%1 says why the record could not be written.</extracomment>
        <translation>orvesc-cli: %1 La stazione si ferma.</translation>
    </message>
    <message>
        <source>Station: unplug the ESC.</source>
        <translation>Stazione: scollega l&apos;ESC.</translation>
    </message>
    <message>
        <source>Station: another ESC is on the cable.</source>
        <translation>Stazione: sul cavo c&apos;è un altro ESC.</translation>
    </message>
    <message>
        <source>Station: plug in the next ESC.</source>
        <translation>Stazione: collega il prossimo ESC.</translation>
    </message>
    <message>
        <source>Station: plug in an ESC; Ctrl+C ends.</source>
        <translation>Stazione: collega un ESC; Ctrl+C per terminare.</translation>
    </message>
    <message>
        <source>Station ended: %1 passed, %2 failed
</source>
        <translation>Stazione terminata: %1 superati, %2 falliti
</translation>
    </message>
    <message>
        <source>The trace file %1 cannot be written: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile scrivere il file di traccia %1: %2.</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, it was programmed with %4
</source>
        <extracomment>%1 the port, %2 the setting&apos;s caption, %3 the entry the ESC reports, %4 the entry programmed.</extracomment>
        <translation>%1: %2: l&apos;ESC ha %3, è stato programmato con %4
</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, the file has %4
</source>
        <translation>%1: %2: l&apos;ESC ha %3, il file ha %4
</translation>
    </message>
    <message>
        <source>the settings before the write are kept in %1</source>
        <extracomment>%1 is the backup file.</extracomment>
        <translation>le impostazioni precedenti alla scrittura sono conservate in %1</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Add --allow-other-model to compare what fits.</source>
        <extracomment>%1 and %3 are model names, %2 and %4 their model codes.</extracomment>
        <translation>Il file contiene le impostazioni di un %1 (codice modello %2), ma l&apos;ESC è un %3 (codice modello %4). Aggiungi --allow-other-model per confrontare ciò che è compatibile.</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Nothing was sent; add --allow-other-model to use what fits.</source>
        <translation>Il file contiene le impostazioni di un %1 (codice modello %2), ma l&apos;ESC è un %3 (codice modello %4). Non è stato inviato nulla; aggiungi --allow-other-model per usare ciò che è compatibile.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Rifiutato: %1</translation>
    </message>
    <message>
        <source>Refused, nothing was sent: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Rifiutato, non è stato inviato nulla: %1</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it was not compared</source>
        <extracomment>%1 is the model&apos;s name, %2 the file&apos;s settings it lacks (&quot;CAPTION: entry&quot;, comma-separated).</extracomment>
        <translation>il %1 non offre %2; non è stata confrontata</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they were not compared</source>
        <translation>il %1 non offre %2; non sono state confrontate</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it keeps its value</source>
        <translation>il %1 non offre %2; mantiene il valore attuale</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they keep their value</source>
        <translation>il %1 non offre %2; mantengono il valore attuale</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <extracomment>%1 says why the file cannot be used.</extracomment>
        <translation>%1 Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>the %1 holds the settings of %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>il %1 contiene le impostazioni di %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting differs from %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>
            <numerusform>%n impostazione differisce da %1</numerusform>
            <numerusform>%n impostazioni differiscono da %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ from %1</source>
        <translation>
            <numerusform>%n impostazione differisce da %1</numerusform>
            <numerusform>%n impostazioni differiscono da %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found, settings read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>%1 trovato, impostazioni lette</translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n setting would change), nothing sent</source>
        <extracomment>%1 the number of command bytes, %2 the model&apos;s name; %n settings would change.</extracomment>
        <translation>
            <numerusform>simulazione: %1 byte di comando per il %2 stampati (%n impostazione cambierebbe), nulla inviato</numerusform>
            <numerusform>simulazione: %1 byte di comando per il %2 stampati (%n impostazioni cambierebbero), nulla inviato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n settings would change), nothing sent</source>
        <translation>
            <numerusform>simulazione: %1 byte di comando per il %2 stampati (%n impostazione cambierebbe), nulla inviato</numerusform>
            <numerusform>simulazione: %1 byte di comando per il %2 stampati (%n impostazioni cambierebbero), nulla inviato</numerusform>
        </translation>
    </message>
    <message>
        <source>Command %1 of %2 (%3) failed: %4</source>
        <extracomment>%1 the command&apos;s number, %2 how many there are, %3 its byte, %4 what went wrong.</extracomment>
        <translation>Comando %1 di %2 (%3) non riuscito: %4</translation>
    </message>
    <message>
        <source>The run was cut short.</source>
        <translation>L&apos;esecuzione è stata interrotta.</translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>fatto: %1 programmato (non verificato), %n impostazione modificata</numerusform>
            <numerusform>fatto: %1 programmato (non verificato), %n impostazioni modificate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n settings changed</source>
        <translation>
            <numerusform>fatto: %1 programmato (non verificato), %n impostazione modificata</numerusform>
            <numerusform>fatto: %1 programmato (non verificato), %n impostazioni modificate</numerusform>
        </translation>
    </message>
    <message>
        <source>Programmed, but the read-back failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Programmato, ma la rilettura non è riuscita: %1</translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n setting</source>
        <translation>
            <numerusform>La rilettura differisce in %n impostazione</numerusform>
            <numerusform>La rilettura differisce in %n impostazioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n settings</source>
        <translation>
            <numerusform>La rilettura differisce in %n impostazione</numerusform>
            <numerusform>La rilettura differisce in %n impostazioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>fatto: %1 programmato e verificato, %n impostazione modificata</numerusform>
            <numerusform>fatto: %1 programmato e verificato, %n impostazioni modificate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n settings changed</source>
        <translation>
            <numerusform>fatto: %1 programmato e verificato, %n impostazione modificata</numerusform>
            <numerusform>fatto: %1 programmato e verificato, %n impostazioni modificate</numerusform>
        </translation>
    </message>
    <message>
        <source>(changes)</source>
        <translation>(cambia)</translation>
    </message>
    <message>
        <source>(the ESC has %1)</source>
        <extracomment>%1 is the entry the ESC has now.</extracomment>
        <translation>(l&apos;ESC ha %1)</translation>
    </message>
    <message>
        <source>the settings before the write cannot be backed up (%1); note the codes the ESC reported: %2</source>
        <extracomment>%1 says why, %2 lists the codes.</extracomment>
        <translation>impossibile salvare una copia delle impostazioni precedenti alla scrittura (%1); annota i codici riportati dall&apos;ESC: %2</translation>
    </message>
    <message>
        <source>%1 (command %2 of %3, %4)</source>
        <extracomment>Names a command of a programming run: %1 the setting&apos;s caption and entry, %2 its number, %3 how many there are, %4 its byte.</extracomment>
        <translation>%1 (comando %2 di %3, %4)</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the ones after it were not programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer, %3 the echo it should have sent.</extracomment>
        <translation>L&apos;ESC ha risposto a %1 con %2 invece della sua eco %3; non si sa se l&apos;abbia memorizzato, le impostazioni successive non sono state programmate.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed.</source>
        <translation>L&apos;ESC ha risposto a %1 con %2 invece della sua eco %3; non si sa se l&apos;abbia memorizzato, le impostazioni precedenti sono state programmate.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed, the ones after it were not.</source>
        <translation>L&apos;ESC ha risposto a %1 con %2 invece della sua eco %3; non si sa se l&apos;abbia memorizzato, le impostazioni precedenti sono state programmate, quelle successive no.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer.</extracomment>
        <translation>L&apos;ESC ha rifiutato %1: ha risposto %2 invece di 0x01; non è stato programmato nulla.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed.</source>
        <translation>L&apos;ESC ha rifiutato %1: ha risposto %2 invece di 0x01; le impostazioni precedenti sono state programmate.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed, the ones after it were not.</source>
        <translation>L&apos;ESC ha rifiutato %1: ha risposto %2 invece di 0x01; le impostazioni precedenti sono state programmate, quelle successive no.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1
Try &apos;%2&apos;.
</source>
        <extracomment>%1 says what is wrong, %2 is the help command to run.</extracomment>
        <translation>orvesc-cli: %1
Prova &apos;%2&apos;.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: did you mean %2?</source>
        <translation>comando sconosciuto &quot;%1&quot;: forse intendevi %2?</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: the commands are %2.</source>
        <translation>comando sconosciuto &quot;%1&quot;: i comandi sono %2.</translation>
    </message>
    <message>
        <source>unknown option %1%2.</source>
        <translation>opzione sconosciuta %1%2.</translation>
    </message>
    <message>
        <source>unknown option %1%2: did you mean --%3?</source>
        <translation>opzione sconosciuta %1%2: forse intendevi --%3?</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>argomento inatteso &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 non si applica a %2.</translation>
    </message>
    <message>
        <source>%1 applies only to %2.</source>
        <translation>%1 si applica solo a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: give a COM number (COM3 or 3, 1 to 255) or a device path such as /dev/ttyUSB0.</source>
        <translation>&quot;%1&quot; non è una porta: indica un numero COM (COM3 o 3, da 1 a 255) o un percorso di dispositivo come /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>--expect takes the number of ESCs that must answer, such as --expect 4; &quot;%1&quot; is none.</source>
        <translation>--expect richiede il numero di ESC che devono rispondere, ad esempio --expect 4; &quot;%1&quot; non è un numero.</translation>
    </message>
    <message>
        <source>--expect counts the ESCs that --all finds: add --all.</source>
        <translation>--expect conta gli ESC trovati da --all: aggiungi --all.</translation>
    </message>
    <message>
        <source>give either --port or --all, not both.</source>
        <translation>indica --port oppure --all, non entrambi.</translation>
    </message>
    <message>
        <source>verify needs a settings file: orvesc-cli verify FILE.</source>
        <translation>verify richiede un file di impostazioni: orvesc-cli verify FILE.</translation>
    </message>
    <message>
        <source>write needs a settings file, --set KEY=ENTRY, or both: nothing to write.</source>
        <translation>write richiede un file di impostazioni, --set KEY=ENTRY o entrambi: non c&apos;è nulla da scrivere.</translation>
    </message>
    <message>
        <source>-o writes one ESC&apos;s settings: give one --port, or use --json.</source>
        <translation>-o scrive le impostazioni di un solo ESC: indica un solo --port, oppure usa --json.</translation>
    </message>
    <message>
        <source>--station works on one cable: give at most one --port, and no --all.</source>
        <translation>--station funziona con un solo cavo: indica al massimo un --port e non usare --all.</translation>
    </message>
    <message>
        <source>--record keeps the record of a station&apos;s run: add --station.</source>
        <translation>--record conserva il registro di una sessione della stazione: aggiungi --station.</translation>
    </message>
    <message>
        <source>--station programs every ESC it meets: drop --dry-run.</source>
        <translation>--station programma ogni ESC che viene collegato: togli --dry-run.</translation>
    </message>
    <message>
        <source>--dry-run sends nothing, so there is nothing to verify: drop --no-verify.</source>
        <translation>--dry-run non invia nulla, quindi non c&apos;è nulla da verificare: togli --no-verify.</translation>
    </message>
    <message>
        <source>(linked as %1)</source>
        <extracomment>%1 is the file the port is linked as.</extracomment>
        <translation>(collegamento %1)</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 Nothing was sent.</source>
        <extracomment>%1 says why the record cannot be written.</extracomment>
        <translation>orvesc-cli: %1 Non è stato inviato nulla.</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation>Salva diagnostica...</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>timer di latenza %1 ms</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>n. di serie %1</translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation>Diagnostica di %1 %2, scritta il %3</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (compilato con %2)</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>Sistema: %1, kernel %2 %3, %4</translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation>Porte (da COM%1 a COM%2):</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  nessuna</translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation>Traffico (%1 eventi, %2 più vecchi scartati; secondi dall&apos;avvio):</translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Impossibile scrivere la diagnostica in %1: %2. Scegli un&apos;altra cartella e salva di nuovo.</translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation>Salva diagnostica</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>OFF</source>
        <extracomment>A drop-down entry: keep it as short. The setting is off.</extracomment>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>A drop-down entry: keep it as short. The setting is on.</extracomment>
        <translation>ON</translation>
    </message>
    <message>
        <source>SOFT</source>
        <extracomment>A drop-down entry: keep it as short. A soft brake or a soft timing.</extracomment>
        <translation>DOLCE</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>A drop-down entry: keep it as short. A hard timing.</extracomment>
        <translation>DURO</translation>
    </message>
    <message>
        <source>AUTO</source>
        <extracomment>A drop-down entry: keep it as short. The ESC picks the timing itself.</extracomment>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>STOP MOTOR</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the motor stops.</extracomment>
        <translation>FERMA MOTORE</translation>
    </message>
    <message>
        <source>REDUCE POWER</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the power is reduced.</extracomment>
        <translation>RIDUCI POT.</translation>
    </message>
    <message>
        <source>NO CUT</source>
        <extracomment>A drop-down entry: keep it as short. The motor is never cut at low voltage.</extracomment>
        <translation>NESSUNO</translation>
    </message>
    <message>
        <source>ON RANGE 1</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, first speed range.</extracomment>
        <translation>ON GAMMA 1</translation>
    </message>
    <message>
        <source>ON RANGE 2</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, second speed range.</extracomment>
        <translation>ON GAMMA 2</translation>
    </message>
    <message>
        <source>ON RANGE 3</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, third speed range.</extracomment>
        <translation>ON GAMMA 3</translation>
    </message>
    <message>
        <source>GASMODE</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, in its gas mode.</extracomment>
        <translation>MODO GAS</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.</extracomment>
        <translation>LIVELLO1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.</extracomment>
        <translation>LIVELLO2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.</extracomment>
        <translation>LIVELLO3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.</extracomment>
        <translation>LIVELLO4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.</extracomment>
        <translation>LIVELLO5</translation>
    </message>
    <message>
        <source>LEVEL6</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.</extracomment>
        <translation>LIVELLO6</translation>
    </message>
    <message>
        <source>LEVEL7</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.</extracomment>
        <translation>LIVELLO7</translation>
    </message>
    <message>
        <source>LEVEL8</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.</extracomment>
        <translation>LIVELLO8</translation>
    </message>
    <message>
        <source>LEVEL9</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.</extracomment>
        <translation>LIVELLO9</translation>
    </message>
    <message>
        <source>LEVEL10</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.</extracomment>
        <translation>LIVELLO10</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>A drop-down entry: keep it as short. The model has no acceleration delay setting.</extracomment>
        <translation>Disattivo</translation>
    </message>
    <message>
        <source>Ni</source>
        <extracomment>A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside &quot;2S Li&quot; and the like.</extracomment>
        <translation>Ni</translation>
    </message>
    <message>
        <source>(no choice)</source>
        <extracomment>What a list names when none of its entries is chosen.</extracomment>
        <translation>(nessuna scelta)</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM control off.</source>
        <translation>Cosa fa l&apos;ESC al motore quando il gas è chiuso: OFF lo lascia girare libero, ON e DOLCE lo frenano. Freno e controllo RPM si escludono a vicenda: scegliere un freno disattiva il controllo RPM.</translation>
    </message>
    <message>
        <source>The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li to 12S Li). Changing it resets the cutoff voltage, so choose the battery first.</source>
        <translation>La batteria con cui funziona l&apos;ESC: Ni per celle al nichel, oppure il numero di celle al litio (da 2S Li a 12S Li). Cambiarla reimposta la tensione di taglio, quindi scegli prima la batteria.</translation>
    </message>
    <message>
        <source>The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. The lowest voltage counts as a hard cut, with which RPM control cannot be on.</source>
        <translation>La tensione per cella alla quale l&apos;ESC interviene con la batteria scarica, come stabilito dal modo di taglio. La tensione più bassa vale come taglio netto, con il quale il controllo RPM non può essere attivo.</translation>
    </message>
    <message>
        <source>What the ESC does when the battery falls to the cutoff voltage. RPM control needs a cutoff: NO CUT switches it off.</source>
        <translation>Cosa fa l&apos;ESC quando la batteria scende alla tensione di taglio. Il controllo RPM richiede un taglio: NESSUNO lo disattiva.</translation>
    </message>
    <message>
        <source>Starts the motor gently rather than at full power at once. RPM control needs soft start: OFF switches RPM control off, and turning RPM control on switches soft start on.</source>
        <translation>Avvia il motore dolcemente anziché subito a piena potenza. Il controllo RPM richiede l&apos;avvio dolce: OFF disattiva il controllo RPM, e attivare il controllo RPM attiva l&apos;avvio dolce.</translation>
    </message>
    <message>
        <source>The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer fixed angles. Which timing suits a motor, see the motor&apos;s or the ESC&apos;s manual.</source>
        <translation>Il timing del motore: AUTO lo lascia all&apos;ESC; i modelli per 10 e 12 celle offrono anche angoli fissi. Per il timing adatto a un motore, consulta il manuale del motore o dell&apos;ESC.</translation>
    </message>
    <message>
        <source>The frequency at which the ESC switches the motor&apos;s power. Which suits a motor, see the ESC&apos;s manual. The W models have a warn voltage in its place.</source>
        <translation>La frequenza con cui l&apos;ESC commuta la potenza del motore. Per quella adatta a un motore, consulta il manuale dell&apos;ESC. I modelli W hanno al suo posto una tensione di allarme.</translation>
    </message>
    <message>
        <source>Offered by the W models in place of the frequency. What the ESC warns of at this voltage, and how, see the ESC&apos;s manual.</source>
        <translation>Offerta dai modelli W al posto della frequenza. Per sapere di cosa avvisa l&apos;ESC a questa tensione, e come, consulta il manuale dell&apos;ESC.</translation>
    </message>
    <message>
        <source>ON makes the motor turn the other way round.</source>
        <translation>ON fa girare il motore nel senso opposto.</translation>
    </message>
    <message>
        <source>Keeps the motor&apos;s speed under the ESC&apos;s control, in one of its ranges (see the ESC&apos;s manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to REDUCE POWER.</source>
        <translation>Mantiene la velocità del motore sotto il controllo dell&apos;ESC, in una delle sue gamme (vedi il manuale dell&apos;ESC). Non può funzionare con un freno, senza avvio dolce, con NESSUNO o con la tensione di taglio più bassa: attivarlo disattiva il freno, attiva l&apos;avvio dolce e cambia FERMA MOTORE in RIDUCI POTENZA.</translation>
    </message>
    <message>
        <source>How quickly the motor may follow the throttle, in ten levels; what each level means, see the ESC&apos;s manual. Only the R9 models for 10 and 12 cells have it.</source>
        <translation>Quanto rapidamente il motore può seguire il gas, in dieci livelli; per il significato di ciascun livello, consulta il manuale dell&apos;ESC. Solo i modelli R9 per 10 e 12 celle lo hanno.</translation>
    </message>
    <message>
        <source>A softer brake than ON; how soft, see the ESC&apos;s manual. It counts as a brake: RPM control is switched off.</source>
        <translation>Un freno più dolce di ON; per quanto dolce, consulta il manuale dell&apos;ESC. Vale come freno: il controllo RPM viene disattivato.</translation>
    </message>
    <message>
        <source>Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per cell.</source>
        <translation>Celle al nichel: l&apos;elenco di taglio offre allora le tensioni per il nichel, da 0.6 V a 0.9 V per cella.</translation>
    </message>
    <message>
        <source>The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE POWER.</source>
        <translation>Il motore si ferma alla tensione di taglio. Attivando il controllo RPM questa scelta diventa RIDUCI POTENZA.</translation>
    </message>
    <message>
        <source>The ESC reduces the motor&apos;s power at the cutoff voltage instead of stopping it.</source>
        <translation>L&apos;ESC riduce la potenza del motore alla tensione di taglio invece di fermarlo.</translation>
    </message>
    <message>
        <source>No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control is switched off.</source>
        <translation>Nessun taglio: l&apos;ESC continua ad alimentare il motore per quanto scenda la batteria. Il controllo RPM viene disattivato.</translation>
    </message>
    <message>
        <source>A fixed soft timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Un timing fisso dolce; per il suo angolo, consulta il manuale dell&apos;ESC.</translation>
    </message>
    <message>
        <source>A fixed hard timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Un timing fisso duro; per il suo angolo, consulta il manuale dell&apos;ESC.</translation>
    </message>
    <message>
        <source>The ESC chooses the timing itself.</source>
        <translation>L&apos;ESC sceglie il timing da solo.</translation>
    </message>
    <message>
        <source>Offered by the R9 models besides the ranges; it counts as RPM control on. What it does, see the ESC&apos;s manual.</source>
        <translation>Offerto dai modelli R9 oltre alle gamme; vale come controllo RPM attivo. Per sapere cosa fa, consulta il manuale dell&apos;ESC.</translation>
    </message>
    <message>
        <source>This model has no acceleration delay.</source>
        <translation>Questo modello non ha il ritardo di accelerazione.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>These ports could not be opened, so no ESC was looked for there:</source>
        <extracomment>Followed by one line per port saying why it could not be opened.</extracomment>
        <translation>Impossibile aprire queste porte, quindi lì non è stato cercato alcun ESC:</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and press CONNECT.</source>
        <extracomment>COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0). CONNECT is a button: use its translated name.</extracomment>
        <translation>La porta dell&apos;ESC COM%1 (%2) non c&apos;è più: ricollega il cavo e premi CONNETTI.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and run the command again.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>La porta dell&apos;ESC COM%1 (%2) non c&apos;è più: ricollega il cavo ed esegui di nuovo il comando.</translation>
    </message>
    <message>
        <source>The setting code %1 cannot be sent: a command is one byte, 0 to 255. Nothing was sent to the ESC.</source>
        <extracomment>%1 is the number that was to be sent.</extracomment>
        <translation>Il codice di impostazione %1 non può essere inviato: un comando è un byte, da 0 a 255. Non è stato inviato nulla all&apos;ESC.</translation>
    </message>
    <message>
        <source>Orvantis Controller Not Found!<byte value="xd"/><byte value="xd"/>• Check the PC Cable Adapter&apos;s connector orientation at your ESC<byte value="xd"/><byte value="xd"/>• Check Windows Device Manager to insure that device drivers for<byte value="xd"/>  your USB Adapter cable are properly loaded, and that a Serial Port<byte value="xd"/>  has been created by the USB adapter</source>
        <extracomment>A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a maker&apos;s name; Device Manager is the name of the Windows program.</extracomment>
        <translation>Controller Orvantis non trovato!<byte value="xd"/><byte value="xd"/>• Controlla l&apos;orientamento del connettore del cavo adattatore PC sul tuo ESC<byte value="xd"/><byte value="xd"/>• Controlla in Gestione dispositivi di Windows che i driver del<byte value="xd"/>  cavo adattatore USB siano caricati correttamente e che l&apos;adattatore<byte value="xd"/>  USB abbia creato una porta seriale</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>No COM port is selected: the port list is empty, or the selected entry has no port number (only the first ten listed ports can be used).</source>
        <extracomment>COM port: a serial port as the port list names it (COM1, COM2...).</extracomment>
        <translation>Nessuna porta COM selezionata: l&apos;elenco delle porte è vuoto, oppure la voce selezionata non ha un numero di porta (si possono usare solo le prime dieci porte elencate).</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Nessuna porta seriale elencata: collega il cavo di interfaccia PC.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports. Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>%n is the number of ports searched, always 2 or more.</extracomment>
        <translation>
            <numerusform>Nessun ESC ha risposto su %n porta elencata. Controlla l&apos;orientamento del connettore del cavo sull&apos;ESC e che l&apos;ESC sia alimentato.</numerusform>
            <numerusform>Nessun ESC ha risposto su nessuna delle %n porte elencate. Controlla l&apos;orientamento del connettore del cavo sull&apos;ESC e che l&apos;ESC sia alimentato.</numerusform>
        </translation>
    </message>
    <message>
        <source>No ESC answered on COM%1 (%2). Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Nessun ESC ha risposto su COM%1 (%2). Controlla l&apos;orientamento del connettore del cavo sull&apos;ESC e che l&apos;ESC sia alimentato.</translation>
    </message>
    <message>
        <source>the reply began with 0x00.</source>
        <extracomment>The command line&apos;s reason why a read failed, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>la risposta iniziava con 0x00.</translation>
    </message>
    <message>
        <source>the run was cut short.</source>
        <extracomment>The command line&apos;s reason why a run ended, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>l&apos;esecuzione è stata interrotta.</translation>
    </message>
    <message>
        <source>Backups are off until OrvESC is started again: the settings cannot be saved in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have backups.</source>
        <extracomment>A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>I backup sono disattivati fino al prossimo avvio di OrvESC: impossibile salvare le impostazioni in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNETTI, PROGRAMMA e DEFAULT funzionano come prima; rendi la cartella scrivibile per avere i backup.</translation>
    </message>
    <message>
        <source>backups are off for this run: the settings cannot be saved in %1 (%2); the write goes on. Make the folder writable to have backups.</source>
        <extracomment>A command-line note after the port&apos;s name and a colon, so it starts lower case. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;).</extracomment>
        <translation>backup disattivati per questa esecuzione: impossibile salvare le impostazioni in %1 (%2); la scrittura prosegue. Rendi la cartella scrivibile per avere i backup.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>RPM Control Disabled with Brake</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Controllo RPM disattivato con il freno</translation>
    </message>
    <message>
        <source>RPM Control Disabled with Hard Cut LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Controllo RPM disattivato con LVC a taglio netto</translation>
    </message>
    <message>
        <source>RPM Control Disabled without SoftStart</source>
        <extracomment>A message box after the user changed a setting.</extracomment>
        <translation>Controllo RPM disattivato senza avvio dolce</translation>
    </message>
    <message>
        <source>RPM Control Disabled without LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Controllo RPM disattivato senza LVC</translation>
    </message>
    <message>
        <source>Brake Disabled  / Softstart enabled with RPM Control</source>
        <extracomment>A message box after the user changed a setting: two corrections made at once.</extracomment>
        <translation>Freno disattivato / avvio dolce attivato con il controllo RPM</translation>
    </message>
    <message>
        <source>The ESC reported settings that this tool cannot show (their lists are left empty):</source>
        <extracomment>The first line of a message box; one line per setting follows.</extracomment>
        <translation>L&apos;ESC ha riportato impostazioni che questo programma non può mostrare (i loro elenchi restano vuoti):</translation>
    </message>
    <message>
        <source>No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.</source>
        <extracomment>The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Nessun backup può conservare questi codici: annotali prima che PROGRAMMA o DEFAULT li sovrascrivano.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation>Impostazioni OrvESC (*.orvesc.json);;File JSON (*.json);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>No record file is named: name one.</source>
        <translation>Nessun file di registro indicato: indicane uno.</translation>
    </message>
    <message>
        <source>The record file %1 is a folder: name a file.</source>
        <translation>Il file di registro %1 è una cartella: indica un file.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file di registro %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a record of OrvESC&apos;s runs (its first line differs): name another file.</source>
        <translation>%1 non è un registro delle sessioni di OrvESC (la prima riga è diversa): indica un altro file.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere il file di registro %1: %2.</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>process %1</source>
        <extracomment>A program holding a serial port, known only by its process number %1.</extracomment>
        <translation>processo %1</translation>
    </message>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a serial port: %1 its name, %2 its process number.</extracomment>
        <translation>%1, processo %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the programs of a list in parentheses: &quot;(minicom, process 12; process 14)&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the names of two system services, or of a list of them and one more: &quot;ModemManager and gpsd&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 is running and may hold it. Stop it with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 a system service&apos;s name, %3 its unit; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 è in uso da un altro programma; %2 è in esecuzione e potrebbe occuparla. Fermalo con: sudo systemctl stop %3, poi riprova.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 are running and may hold it. Stop them with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 the names of two or more system services, %3 their units; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 è in uso da un altro programma; %2 sono in esecuzione e potrebbero occuparla. Fermali con: sudo systemctl stop %3, poi riprova.</translation>
    </message>
    <message>
        <source>There is no %1: no serial port or USB adapter has that number. Check that the adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM12).</extracomment>
        <translation>%1 non esiste: nessuna porta seriale o adattatore USB ha quel numero. Controlla che l&apos;adattatore sia collegato.</translation>
    </message>
    <message>
        <source>%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.</source>
        <extracomment>%1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.</extracomment>
        <translation>%1 non è un numero di porta utilizzabile da questo programma: i numeri vanno da COM%2 a COM%3.</translation>
    </message>
    <message>
        <source>%1 is open: the port number can only change while the port is closed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 è aperta: il numero di porta può cambiare solo quando la porta è chiusa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting the serial port can take (it should read like 19200,N,8,1).</source>
        <extracomment>%1 is the text given; &quot;19200,N,8,1&quot; is a setting as the port takes it and stays as it is.</extracomment>
        <translation>&quot;%1&quot; non è un&apos;impostazione di linea accettata dalla porta seriale (dovrebbe essere nella forma 19200,N,8,1).</translation>
    </message>
    <message>
        <source>%1 is not a read length (0 reads everything waiting).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 non è una lunghezza di lettura (0 legge tutto ciò che è in attesa).</translation>
    </message>
    <message>
        <source>%1 is not a read mode (0 text, 1 bytes).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 non è una modalità di lettura (0 testo, 1 byte).</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1).</extracomment>
        <translation>%1 non accetta le impostazioni di linea %2.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2: %3.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system&apos;s reason.</extracomment>
        <translation>%1 non accetta le impostazioni di linea %2: %3.</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 è già aperta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist. Check that the USB adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Impossibile aprire %1: il dispositivo non esiste. Controlla che l&apos;adattatore USB sia collegato.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user. Ask the administrator of this computer for access to the device.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Questo utente non ha il permesso di aprire %1. Chiedi all&apos;amministratore di questo computer l&apos;accesso al dispositivo.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user: access is granted to the group &quot;%2&quot;. Join it with: sudo usermod -aG %2 $USER, then log in again.</source>
        <extracomment>%1 is a port name (COM3), %2 a user group&apos;s name (dialout); &quot;sudo usermod -aG %2 $USER&quot; is a command and stays as it is.</extracomment>
        <translation>Questo utente non ha il permesso di aprire %1: l&apos;accesso è concesso al gruppo &quot;%2&quot;. Aggiungiti al gruppo con: sudo usermod -aG %2 $USER, poi accedi di nuovo.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this user may not write the port&apos;s lock file (in /var/lock or /tmp).</source>
        <extracomment>%1 is a port name (COM3); /var/lock and /tmp are folders.</extracomment>
        <translation>Impossibile aprire %1: questo utente non può scrivere il file di lock della porta (in /var/lock o /tmp).</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 è in uso da un altro programma. Chiudi quel programma o scegli un&apos;altra porta.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2). Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3), %2 the programs holding it (&quot;minicom, process 12&quot;).</extracomment>
        <translation>%1 è in uso da un altro programma (%2). Chiudi quel programma o scegli un&apos;altra porta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not a serial port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Impossibile aprire %1: non è una porta seriale.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the system gave no reason.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Impossibile aprire %1: il sistema non ha indicato alcun motivo.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: the USB adapter may have been unplugged.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>La connessione con %1 si è interrotta: l&apos;adattatore USB potrebbe essere stato scollegato.</translation>
    </message>
    <message>
        <source>%1 is not open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 non è aperta.</translation>
    </message>
    <message>
        <source>Sending to %1 failed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Invio a %1 non riuscito.</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Invio a %1 non riuscito: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Lettura da %1 non riuscita: %2.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port %1 is gone.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>La porta dell&apos;ESC %1 non c&apos;è più.</translation>
    </message>
    <message>
        <source>%1 (linked as %2)</source>
        <extracomment>A port&apos;s tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).</extracomment>
        <translation>%1 (collegamento %2)</translation>
    </message>
    <message>
        <source>The USB adapter %1 appeared and vanished again at once: brltty, a braille-display service, may be taking it. If you use no braille display, remove it with: sudo apt remove brltty, then plug the adapter in again.</source>
        <extracomment>%1 is the adapter&apos;s device (/dev/ttyUSB0); brltty is a program&apos;s name and &quot;sudo apt remove brltty&quot; a command: both stay as they are.</extracomment>
        <translation>L&apos;adattatore USB %1 è comparso ed è subito scomparso: brltty, un servizio per display braille, potrebbe occuparlo. Se non usi un display braille, rimuovilo con: sudo apt remove brltty, poi ricollega l&apos;adattatore.</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>the %1 has no %2 setting</source>
        <extracomment>%1 is the ESC&apos;s model, %2 a setting&apos;s caption (&quot;BRAKE&quot;).</extracomment>
        <translation>il %1 non ha l&apos;impostazione %2</translation>
    </message>
    <message>
        <source>%1: the %2 has no entry &quot;%3&quot;. Its entries: %4</source>
        <extracomment>%1 is a setting&apos;s caption, %2 the ESC&apos;s model, %3 the entry asked for, %4 the list&apos;s entries.</extracomment>
        <translation>%1: il %2 non ha la voce &quot;%3&quot;. Le sue voci: %4</translation>
    </message>
    <message>
        <source>the setting rules would change %1. Ask for a combination the rules allow</source>
        <extracomment>%1 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*, BRAKE: ON -&gt; OFF*&quot;.</extracomment>
        <translation>le regole delle impostazioni cambierebbero %1. Richiedi una combinazione consentita dalle regole</translation>
    </message>
    <message>
        <source>%1: the setting rules would change %2. Ask for a combination the rules allow</source>
        <extracomment>%1 quotes what the rules said, %2 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*&quot;.</extracomment>
        <translation>%1: le regole delle impostazioni cambierebbero %2. Richiedi una combinazione consentita dalle regole</translation>
    </message>
    <message>
        <source>model code %1</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>codice modello %1</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2, for which the list has no entry; give one</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a code such as 0x9F.</extracomment>
        <translation>%1: l&apos;ESC ha riportato il codice %2, per il quale l&apos;elenco non ha una voce; indicane una</translation>
    </message>
</context>
<context>
    <name>SettingsCompare</name>
    <message>
        <source>code %1</source>
        <extracomment>A setting&apos;s value that no entry of the list stands for; %1 is the number.</extracomment>
        <translation>codice %1</translation>
    </message>
    <message>
        <source>%1: the ESC has %2, the list shows %3</source>
        <extracomment>%1 is a setting&apos;s caption, %2 what the ESC reported, %3 what the list shows (entries or codes).</extracomment>
        <translation>%1: l&apos;ESC ha %2, l&apos;elenco mostra %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>unknown key %1 is ignored</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>chiave sconosciuta %1 ignorata</translation>
    </message>
    <message>
        <source>unknown key %1 in &quot;model&quot; is ignored</source>
        <translation>chiave sconosciuta %1 in &quot;model&quot; ignorata</translation>
    </message>
    <message>
        <source>unknown key %1 in the setting %2 is ignored</source>
        <extracomment>%1 is a JSON key in quotes, %2 the setting&apos;s key in quotes (&quot;brake&quot;).</extracomment>
        <translation>chiave sconosciuta %1 nell&apos;impostazione %2 ignorata</translation>
    </message>
    <message>
        <source>model (%1)</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>modello (%1)</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 a number, %3 the setting&apos;s caption, %4 the model.</extracomment>
        <translation>l&apos;impostazione %1 ha il codice %2, che non corrisponde a nessuna voce di %3 del %4</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery</source>
        <extracomment>%5 is the battery&apos;s chemistry, Li or Ni.</extracomment>
        <translation>l&apos;impostazione %1 ha il codice %2, che non corrisponde a nessuna voce di %3 del %4 con una batteria %5</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery</source>
        <extracomment>The cutoff kept for the battery family not in use; %5 is that family&apos;s chemistry, Li or Ni.</extracomment>
        <translation>l&apos;impostazione %1 ha il codice %2, che non corrisponde a nessuna voce di %3 del %4 per una batteria %5</translation>
    </message>
    <message>
        <source>the setting %1 is not an object with &quot;code&quot; and &quot;text&quot;</source>
        <extracomment>%1 is the setting&apos;s key in quotes; &quot;code&quot; and &quot;text&quot; are the file&apos;s keys.</extracomment>
        <translation>l&apos;impostazione %1 non è un oggetto con &quot;code&quot; e &quot;text&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;code&quot;</source>
        <translation>l&apos;impostazione %1 non ha &quot;code&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, not a whole number from 0 to 255</source>
        <extracomment>%2 is the code as the file holds it.</extracomment>
        <translation>l&apos;impostazione %1 ha il codice %2, che non è un numero intero da 0 a 255</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;text&quot;; its code %2 stands for %3</source>
        <extracomment>%2 is a number, %3 the list&apos;s entry in quotes.</extracomment>
        <translation>l&apos;impostazione %1 non ha &quot;text&quot;; il suo codice %2 corrisponde a %3</translation>
    </message>
    <message>
        <source>the setting %1 has text %2 but its code %3 stands for %4; correct the text or the code</source>
        <extracomment>%2 is the text the file holds, %3 a number, %4 the list&apos;s entry; both texts in quotes.</extracomment>
        <translation>l&apos;impostazione %1 ha il testo %2 ma il suo codice %3 corrisponde a %4; correggi il testo o il codice</translation>
    </message>
    <message>
        <source>it holds the setting %1, which %2 does not have</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 the model.</extracomment>
        <translation>contiene l&apos;impostazione %1, che il %2 non ha</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its JSON text is no object)</source>
        <translation>non è un file di impostazioni OrvESC (il suo testo JSON non è un oggetto)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (it has no &quot;format&quot;)</source>
        <translation>non è un file di impostazioni OrvESC (non ha &quot;format&quot;)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its format is %1, not %2)</source>
        <extracomment>%1 is the format the file names, %2 the one OrvESC writes, both in quotes.</extracomment>
        <translation>non è un file di impostazioni OrvESC (il suo formato è %1, non %2)</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or not a whole number from 1 up</source>
        <translation>la sua &quot;version&quot; manca o non è un numero intero da 1 in su</translation>
    </message>
    <message>
        <source>it has format version %1, newer than the version %2 this OrvESC reads; open it with a newer OrvESC</source>
        <extracomment>%1 is the file&apos;s format version, %2 the newest this OrvESC reads.</extracomment>
        <translation>ha la versione di formato %1, più recente della versione %2 letta da questo OrvESC; aprilo con un OrvESC più recente</translation>
    </message>
    <message>
        <source>it names no &quot;model&quot;</source>
        <translation>non indica alcun &quot;model&quot;</translation>
    </message>
    <message>
        <source>its model has no whole-number &quot;code&quot;</source>
        <translation>il suo modello non ha un &quot;code&quot; intero</translation>
    </message>
    <message>
        <source>its model code %1 is not a model this tool knows</source>
        <extracomment>%1 is the model code the file holds.</extracomment>
        <translation>il suo codice modello %1 non è un modello noto a questo programma</translation>
    </message>
    <message>
        <source>it has no &quot;settings&quot; object</source>
        <translation>non ha un oggetto &quot;settings&quot;</translation>
    </message>
    <message>
        <source>the setting %1 is missing</source>
        <extracomment>%1 is the setting&apos;s key in quotes.</extracomment>
        <translation>manca l&apos;impostazione %1</translation>
    </message>
    <message>
        <source>the model code %1 is not one the tool knows by name, so no settings file can hold it</source>
        <translation>il codice modello %1 non corrisponde a un nome noto al programma, quindi nessun file di impostazioni può contenerlo</translation>
    </message>
    <message>
        <source>no choice is selected for %1</source>
        <extracomment>%1 lists the captions of the settings, &quot;BRAKE, TIMING MODE&quot;.</extracomment>
        <translation>nessuna scelta selezionata per %1</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>%1 is the file&apos;s size in bytes.</extracomment>
        <translation>è più grande di 64 KiB (%1 byte), troppo per un file di impostazioni</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>non è testo JSON</translation>
    </message>
    <message>
        <source>%1 shows an entry that stands for no code of this model: %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1 mostra una voce che non corrisponde a nessun codice di questo modello: %2</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1: l&apos;ESC ha riportato il codice %2</translation>
    </message>
    <message>
        <source>the key %1 appears twice in one place</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>la chiave %1 compare due volte nello stesso punto</translation>
    </message>
    <message>
        <source>it ends before its JSON text does (the file is cut short)</source>
        <translation>finisce prima del suo testo JSON (il file è troncato)</translation>
    </message>
    <message>
        <source>it is not JSON text (error at %1)</source>
        <extracomment>%1 is a place in the file, &quot;line 3, column 14&quot;.</extracomment>
        <translation>non è testo JSON (errore in %1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>it nests values deeper than a settings file does</source>
        <translation>annida valori più in profondità di quanto faccia un file di impostazioni</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>Impossibile usare il file di impostazioni<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>Gli elenchi restano invariati.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Apri impostazioni</translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation>Non ci sono ancora backup. Ogni volta che CONNETTI legge le impostazioni di un ESC, le salva in<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Ripristina backup</translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation>Questo file contiene le impostazioni di un %1, l&apos;ESC collegato è un %2. Le impostazioni che non offre mantengono la loro scelta.</translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation>Controlla che il file non contenga errori di battitura: %1.</translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation>Gli elenchi mostrano già le impostazioni di questo file.</translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation>L&apos;ESC collegato non offre:</translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation>Queste impostazioni cambieranno:</translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation>Premi poi PROGRAMMA per scriverle nell&apos;ESC.</translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation>Queste impostazioni del file non sono offerte dal %1 collegato e mantengono la loro scelta:</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Non è stato salvato nulla: %1.</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Salva impostazioni con nome</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation>Il file<byte value="xd"/>%1<byte value="xd"/>esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Impossibile salvare le impostazioni in<byte value="xd"/>%1<byte value="xd"/>(%2). Scegli un&apos;altra posizione.</translation>
    </message>
</context>
<context>
    <name>StationProgramming</name>
    <message>
        <source>Refused: this is a %1, the settings are for a %2. Nothing was written.</source>
        <translation>Rifiutato: questo è un %1, le impostazioni sono per un %2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Not programmed: its settings could not be backed up (%1).</source>
        <translation>Non programmato: impossibile salvare una copia delle sue impostazioni (%1).</translation>
    </message>
    <message>
        <source>no backup folder</source>
        <translation>nessuna cartella di backup</translation>
    </message>
    <message>
        <source>Refused: %1. Nothing was written.</source>
        <translation>Rifiutato: %1. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: %2 (command %3 of %4).</source>
        <translation>L&apos;ESC ha rifiutato %1: %2 (comando %3 di %4).</translation>
    </message>
    <message>
        <source>No answer to %1: %2 (command %3 of %4).</source>
        <translation>Nessuna risposta a %1: %2 (comando %3 di %4).</translation>
    </message>
    <message>
        <source>Cut short.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>The read-back differs in %1.</source>
        <translation>La rilettura differisce in %1.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the folder cannot be created</source>
        <extracomment>Why backups cannot be saved, shown in parentheses after the backup folder&apos;s name.</extracomment>
        <translation>impossibile creare la cartella</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is its size in bytes.</extracomment>
        <translation>è più grande di 64 KiB (%1 byte), troppo per un file di impostazioni</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is the system&apos;s reason.</extracomment>
        <translation>non può essere letto (%1)</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Nessun confronto eseguito: nessuna scelta selezionata per %1.</translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation>L&apos;ESC contiene le impostazioni mostrate.</translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation>L&apos;ESC ha accettato ogni comando, ma la rilettura delle impostazioni mostra differenze:</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>FRENO</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATTERIA</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation>TAGLIO V/CELLA</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation>MODO TAGLIO</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>AVVIO DOLCE</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>MODO TIMING</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>FREQUENZA</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>MOTORE INVERSO</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>CTRL RPM</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>RITARDO ACCEL.</translation>
    </message>
    <message>
        <source>CUTOFF</source>
        <translation>V TAGLIO</translation>
    </message>
    <message>
        <source>AUTOCUT</source>
        <translation>TAGLIO</translation>
    </message>
    <message>
        <source>TIMING</source>
        <translation>TIMING</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>MOTORE</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Porta COM</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>CONNETTI</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>PROGRAMMA</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>ESC Detected</source>
        <translation>ESC rilevato</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmaz.</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>DEFAULT</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CHIUDI</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation>Apri impostazioni...</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Salva impostazioni con nome...</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Ripristina backup...</translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation>Confronta con l&apos;ESC</translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation>Verifica dopo PROGRAMMA</translation>
    </message>
    <message>
        <source>Program several ESCs...</source>
        <translation>Programma più ESC...</translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation>%1 - &quot;%2&quot; verrà aperto dopo CONNETTI</translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Non è stato inviato nulla: nessuna scelta selezionata per %1.</translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation>ESC Quorl programmato</translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation>%1 funziona dopo che CONNETTI ha letto le impostazioni di un ESC: collega prima l&apos;ESC.</translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation>Interfaccia PC per ESC Orvantis</translation>
    </message>
</context>
<context>
    <name>orvesc::SeveralEscsDialog</name>
    <message>
        <source>Program several ESCs</source>
        <translation>Programma più ESC</translation>
    </message>
    <message>
        <source>The settings the lists show</source>
        <translation>Le impostazioni mostrate dagli elenchi</translation>
    </message>
    <message>
        <source>A settings file:</source>
        <translation>Un file di impostazioni:</translation>
    </message>
    <message>
        <source>The model&apos;s factory settings</source>
        <translation>Le impostazioni di fabbrica del modello</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Registro:</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>File di impostazioni</translation>
    </message>
    <message>
        <source>Settings (*.orvesc.json *.json)</source>
        <translation>Impostazioni (*.orvesc.json *.json)</translation>
    </message>
    <message>
        <source>Choose the settings and the port, then press Start.</source>
        <translation>Scegli le impostazioni e la porta, poi premi Avvia.</translation>
    </message>
    <message>
        <source>Passed: %1  Failed: %2</source>
        <translation>Superati: %1  Falliti: %2</translation>
    </message>
    <message>
        <source>Name a settings file.</source>
        <translation>Indica un file di impostazioni.</translation>
    </message>
    <message>
        <source>Writes the settings of %1.</source>
        <translation>Scrive le impostazioni di %1.</translation>
    </message>
    <message>
        <source>Writes the settings the lists show, for the %1.</source>
        <translation>Scrive le impostazioni mostrate dagli elenchi, per il %1.</translation>
    </message>
    <message>
        <source>Writes the factory settings of the %1.</source>
        <translation>Scrive le impostazioni di fabbrica del %1.</translation>
    </message>
    <message>
        <source>Name a settings file, or choose other settings.</source>
        <translation>Indica un file di impostazioni o scegli altre impostazioni.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>Writes the settings of %1, for the %2.</source>
        <translation>Scrive le impostazioni di %1, per il %2.</translation>
    </message>
    <message>
        <source>These settings cannot be written: %1.</source>
        <translation>Queste impostazioni non possono essere scritte: %1.</translation>
    </message>
    <message>
        <source>No port is listed: plug in the PC interface cable.</source>
        <translation>Nessuna porta elencata: collega il cavo di interfaccia PC.</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>La sessione si è fermata.</translation>
    </message>
    <message>
        <source>Unplug the ESC.</source>
        <translation>Scollega l&apos;ESC.</translation>
    </message>
    <message>
        <source>Another ESC is on the cable.</source>
        <translation>Sul cavo c&apos;è un altro ESC.</translation>
    </message>
    <message>
        <source>Plug in the next ESC.</source>
        <translation>Collega il prossimo ESC.</translation>
    </message>
    <message>
        <source>Plug in an ESC.</source>
        <translation>Collega un ESC.</translation>
    </message>
    <message>
        <source>Run ended: %1 passed, %2 failed.</source>
        <translation>Sessione terminata: %1 superati, %2 falliti.</translation>
    </message>
    <message>
        <source>%1  %2  %3  PASS</source>
        <translation>%1  %2  %3  PASS</translation>
    </message>
    <message>
        <source>%1  %2  %3  FAIL: %4</source>
        <translation>%1  %2  %3  FAIL: %4</translation>
    </message>
    <message>
        <source>Stopping once this ESC is done.</source>
        <translation>Arresto al termine di questo ESC.</translation>
    </message>
    <message>
        <source>Stopping.</source>
        <translation>Arresto in corso.</translation>
    </message>
</context>
<context>
    <name>orvesc::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name (OrvESC).</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Orvantis ESC PC interface</source>
        <extracomment>Orvantis is a maker&apos;s name; ESC: electronic speed controller.</extracomment>
        <translation>Interfaccia PC per ESC Orvantis</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number (1.3.1): keep the three parts together as they are.</extracomment>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>This software will enable programming of a Orvantis ESC when used in conjunction with a Orvantis PC Interface Cable and a PC.
For news and updates visit www.orvantis.example</source>
        <extracomment>Orvantis is a maker&apos;s name; the web address stays as it is.</extracomment>
        <translation>Questo software consente di programmare un ESC Orvantis se usato insieme a un cavo di interfaccia PC Orvantis e a un PC.
Per notizie e aggiornamenti visita www.orvantis.example</translation>
    </message>
    <message>
        <source>Warning: this software is provided as is, without warranty of any kind. Orvantis accepts no liability for any damage, injury or loss arising from its use, including from settings written to a speed controller. Remove the propeller before programming.</source>
        <translation>Avvertenza: questo software è fornito così com&apos;è, senza garanzie di alcun tipo. Orvantis non si assume alcuna responsabilità per danni, lesioni o perdite derivanti dal suo uso, comprese le impostazioni scritte in un regolatore di velocità. Rimuovi l&apos;elica prima della programmazione.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button that starts the system&apos;s information program; &amp; marks its access key.</extracomment>
        <translation>&amp;Informazioni di sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informazioni di sistema non disponibili al momento</translation>
    </message>
</context>
</TS>
