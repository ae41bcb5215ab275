<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Caption</name>
    <message>
        <source>BRAKE</source>
        <translation>BREMSE</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>AKKU</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <extracomment>The battery voltage per cell at which the ESC cuts the motor.</extracomment>
        <translation>ABSCHALT V/Z</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <extracomment>What the ESC does when the battery reaches the cutoff voltage.</extracomment>
        <translation>ABSCHALTMODUS</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>SANFTANLAUF</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>TIMING-MODUS</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>DREHRICHTUNG</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>DREHZAHL</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>BESCHL.-VERZÖG.</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <extracomment>The caption above a setting list: the motor&apos;s switching frequency. Short and upper case, like the others.</extracomment>
        <translation>FREQUENZ</translation>
    </message>
    <message>
        <source>WARN VOLTAGE</source>
        <extracomment>The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.</extracomment>
        <translation>WARNSPANNUNG</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 found</source>
        <extracomment>%1 is the ESC&apos;s model name.</extracomment>
        <translation>%1 gefunden</translation>
    </message>
    <message>
        <source>%1 gets no COM number: all numbers are taken.</source>
        <extracomment>%1 is a device path given with --port.</extracomment>
        <translation>%1 erhält keine COM-Nummer: Alle Nummern sind vergeben.</translation>
    </message>
    <message>
        <source>set it to 1 in Device Manager: the port&apos;s Properties, Port Settings, Advanced, Latency Timer (msec)</source>
        <translation>im Geräte-Manager auf 1 stellen: Eigenschaften des Ports, Anschlusseinstellungen, Erweitert, Latency Timer (msec)</translation>
    </message>
    <message>
        <source>the package&apos;s udev rule sets it to 1 when the adapter is plugged in, or: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <extracomment>%1 is the adapter&apos;s device name in sysfs.</extracomment>
        <translation>die udev-Regel des Pakets stellt ihn beim Einstecken des Adapters auf 1, oder: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2</source>
        <extracomment>%1 the adapter&apos;s latency timer in milliseconds, %2 how to lower it.</extracomment>
        <translation>Latenz-Timer %1 ms: Jede Antwort wartet bis zu %1 ms im Adapter; %2</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Es ist kein serieller Port gelistet: Schließen Sie das PC-Schnittstellenkabel an.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C while programming: the ESC may hold part of the new settings; run the command again on this port.</source>
        <translation>Beim Programmieren mit Strg+C abgebrochen: Der ESC enthält möglicherweise einen Teil der neuen Einstellungen; führen Sie den Befehl an diesem Port erneut aus.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C.</source>
        <translation>Mit Strg+C abgebrochen.</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <extracomment>A port&apos;s failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.</extracomment>
        <translation>%1: Fehler %2: %3</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port.</source>
        <translation>Am einzigen gelisteten Port antwortete kein ESC.</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port; none on %1.</source>
        <translation>Am einzigen gelisteten Port antwortete kein ESC; keiner an %1.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port.</source>
        <extracomment>%1 names the ports where no ESC answered.</extracomment>
        <translation>
            <numerusform>Am %n gelisteten Port antwortete kein ESC.</numerusform>
            <numerusform>An keinem der %n gelisteten Ports antwortete ein ESC.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports.</source>
        <translation>
            <numerusform>Am %n gelisteten Port antwortete kein ESC.</numerusform>
            <numerusform>An keinem der %n gelisteten Ports antwortete ein ESC.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port; none on %1.</source>
        <translation>
            <numerusform>Am %n gelisteten Port antwortete kein ESC; keiner an %1.</numerusform>
            <numerusform>An keinem der %n gelisteten Ports antwortete ein ESC; keiner an %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports; none on %1.</source>
        <translation>
            <numerusform>Am %n gelisteten Port antwortete kein ESC; keiner an %1.</numerusform>
            <numerusform>An keinem der %n gelisteten Ports antwortete ein ESC; keiner an %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2).</source>
        <extracomment>%1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Port, %2 erwartet (--expect %2).</numerusform>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Ports, %2 erwartet (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2).</source>
        <translation>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Port, %2 erwartet (--expect %2).</numerusform>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Ports, %2 erwartet (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Port, %2 erwartet (--expect %2); keiner an %3.</numerusform>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Ports, %2 erwartet (--expect %2); keiner an %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Port, %2 erwartet (--expect %2); keiner an %3.</numerusform>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Ports, %2 erwartet (--expect %2); keiner an %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port.</source>
        <extracomment>%1 ESCs answered; %2 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Port.</numerusform>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Ports.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports.</source>
        <translation>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Port.</numerusform>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Ports.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port; none on %2.</source>
        <translation>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Port; keiner an %2.</numerusform>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Ports; keiner an %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports; none on %2.</source>
        <translation>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Port; keiner an %2.</numerusform>
            <numerusform>Ein ESC antwortete an %1 von %n gelisteten Ports; keiner an %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not searched: %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Nicht durchsucht: %1</translation>
    </message>
    <message>
        <source>Check the cable&apos;s connector orientation at each ESC and that it is powered.</source>
        <translation>Prüfen Sie an jedem ESC die Ausrichtung des Kabelsteckers und ob der ESC mit Strom versorgt ist.</translation>
    </message>
    <message>
        <source>orvesc-cli: error %1: %2</source>
        <translation>orvesc-cli: Fehler %1: %2</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable.</source>
        <translation>es ist kein serieller Port gelistet: Schließen Sie das PC-Schnittstellenkabel an.</translation>
    </message>
    <message>
        <source>No listed port can be opened. %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Kein gelisteter Port lässt sich öffnen. %1</translation>
    </message>
    <message>
        <source>%1 Not searched: %2</source>
        <extracomment>%1 says that no ESC answered, %2 names the ports not opened, with the reason.</extracomment>
        <translation>%1 Nicht durchsucht: %2</translation>
    </message>
    <message>
        <source>Reading the settings failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Lesen der Einstellungen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends).</source>
        <translation>Noch ist kein serieller Port gelistet: Schließen Sie das PC-Schnittstellenkabel an (Strg+C beendet).</translation>
    </message>
    <message>
        <source>settings of the %1 read: no settings document can hold them (%2), so the JSON holds the codes the ESC reported</source>
        <extracomment>%1 is the model&apos;s name, %2 why no settings document can hold what it reported.</extracomment>
        <translation>Einstellungen des %1 gelesen: Kein Einstellungsdokument kann sie aufnehmen (%2), daher enthält das JSON die Codes, die der ESC gemeldet hat</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be written.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no settings file can hold these settings: %1.</source>
        <translation>keine Einstellungsdatei kann diese Einstellungen aufnehmen: %1.</translation>
    </message>
    <message>
        <source>settings of the %1 read and saved in %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>Einstellungen des %1 gelesen und in %2 gespeichert</translation>
    </message>
    <message>
        <source>settings of the %1 read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>Einstellungen des %1 gelesen</translation>
    </message>
    <message>
        <source>%1: %2 (model code %3)
</source>
        <extracomment>A heading of the settings table: %1 the port, %2 the model&apos;s name, %3 its model code.</extracomment>
        <translation>%1: %2 (Modellcode %3)
</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot; is not KEY=ENTRY (for example --set brake=on).</source>
        <translation>--set &quot;%1&quot; hat nicht die Form KEY=ENTRY (zum Beispiel --set brake=on).</translation>
    </message>
    <message>
        <source>--set: &quot;%1&quot; is not a setting. Settings: %2.</source>
        <extracomment>%1 as typed, %2 the setting keys.</extracomment>
        <translation>--set: &quot;%1&quot; ist keine Einstellung. Einstellungen: %2.</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not an entry of %3. Entries: %4.</source>
        <extracomment>%1 the key as typed, %2 the entry as typed, %3 the setting&apos;s caption, %4 its entries.</extracomment>
        <translation>--set %1: &quot;%2&quot; ist kein Eintrag von %3. Einträge: %4.</translation>
    </message>
    <message>
        <source>--set %1: the %2 has no %3 setting. Its settings: %4.</source>
        <extracomment>%1 the key as typed, %2 the model&apos;s name, %3 the setting&apos;s caption, %4 the model&apos;s setting keys.</extracomment>
        <translation>--set %1: Der %2 hat keine Einstellung %3. Seine Einstellungen: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>%1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The settings by their key for --set and settings files, with their caption; the entries each model offers (* marks the factory setting); what they do.</source>
        <translation>Die Einstellungen nach ihrem Schlüssel für --set und Einstellungsdateien, mit ihrer Bezeichnung; die Einträge, die jedes Modell bietet (* kennzeichnet die Werkseinstellung); was sie bewirken.</translation>
    </message>
    <message>
        <source>every model, battery Ni</source>
        <extracomment>Stands before a setting&apos;s entries where every model offers them, in place of the models&apos; names.</extracomment>
        <translation>alle Modelle, Akku Ni</translation>
    </message>
    <message>
        <source>every model</source>
        <translation>alle Modelle</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable, then start the station again.</source>
        <translation>es ist kein serieller Port gelistet: Schließen Sie das PC-Schnittstellenkabel an und starten Sie die Station dann erneut.</translation>
    </message>
    <message>
        <source>--station works on one cable, and %1 ports are listed: %2. Name the cable&apos;s with --port, e.g. --port %3; nothing was sent.</source>
        <extracomment>%1 the number of ports (always several), %2 the ports, %3 the first of them.</extracomment>
        <translation>--station arbeitet mit einem Kabel, es sind aber %1 Ports gelistet: %2. Geben Sie den Port des Kabels mit --port an, z. B. --port %3; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Station: on %1, the only port listed.</source>
        <extracomment>%1 is the port and its device.</extracomment>
        <translation>Station: an %1, dem einzigen gelisteten Port.</translation>
    </message>
    <message>
        <source>%1 %2  %3  %4  (passed %5, failed %6)%7
</source>
        <extracomment>A station&apos;s result line: %1 PASS or FAIL, %2 the ESC&apos;s number in the run, %3 its model, %4 the port; %5 and %6 the counts so far, %7 nothing or &quot;: error N: what went wrong&quot;.</extracomment>
        <translation>%1 %2  %3  %4  (bestanden %5, fehlgeschlagen %6)%7
</translation>
    </message>
    <message>
        <source>: error %1: %2</source>
        <translation>: Fehler %1: %2</translation>
    </message>
    <message>
        <source>Station: the record of this run goes to %1</source>
        <extracomment>%1 is the record file.</extracomment>
        <translation>Station: Das Protokoll dieses Durchlaufs wird in %1 geschrieben</translation>
    </message>
    <message>
        <source>Station: finishing the ESC being programmed; Ctrl+C again ends at once.</source>
        <translation>Station: Der ESC, der gerade programmiert wird, wird noch fertiggestellt; erneutes Strg+C beendet sofort.</translation>
    </message>
    <message>
        <source>Station: %1: cut short by Ctrl+C while programming: the ESC may hold part of the new settings; program it again.</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>Station: %1: beim Programmieren mit Strg+C abgebrochen: Der ESC enthält möglicherweise einen Teil der neuen Einstellungen; programmieren Sie ihn erneut.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 The station stops.</source>
        <extracomment>%1 says why the record could not be written.</extracomment>
        <translation>orvesc-cli: %1 Die Station hält an.</translation>
    </message>
    <message>
        <source>Station: unplug the ESC.</source>
        <translation>Station: Ziehen Sie den ESC ab.</translation>
    </message>
    <message>
        <source>Station: another ESC is on the cable.</source>
        <translation>Station: Ein anderer ESC hängt am Kabel.</translation>
    </message>
    <message>
        <source>Station: plug in the next ESC.</source>
        <translation>Station: Stecken Sie den nächsten ESC an.</translation>
    </message>
    <message>
        <source>Station: plug in an ESC; Ctrl+C ends.</source>
        <translation>Station: Stecken Sie einen ESC an; Strg+C beendet.</translation>
    </message>
    <message>
        <source>Station ended: %1 passed, %2 failed
</source>
        <translation>Station beendet: %1 bestanden, %2 fehlgeschlagen
</translation>
    </message>
    <message>
        <source>The trace file %1 cannot be written: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Die Trace-Datei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, it was programmed with %4
</source>
        <extracomment>%1 the port, %2 the setting&apos;s caption, %3 the entry the ESC reports, %4 the entry programmed.</extracomment>
        <translation>%1: %2: Der ESC hat %3, programmiert wurde %4
</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, the file has %4
</source>
        <translation>%1: %2: Der ESC hat %3, die Datei hat %4
</translation>
    </message>
    <message>
        <source>the settings before the write are kept in %1</source>
        <extracomment>%1 is the backup file.</extracomment>
        <translation>die Einstellungen vor dem Schreiben werden in %1 aufbewahrt</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Add --allow-other-model to compare what fits.</source>
        <extracomment>%1 and %3 are model names, %2 and %4 their model codes.</extracomment>
        <translation>Die Datei enthält die Einstellungen eines %1 (Modellcode %2), der ESC ist aber ein %3 (Modellcode %4). Fügen Sie --allow-other-model hinzu, um zu vergleichen, was passt.</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Nothing was sent; add --allow-other-model to use what fits.</source>
        <translation>Die Datei enthält die Einstellungen eines %1 (Modellcode %2), der ESC ist aber ein %3 (Modellcode %4). Es wurde nichts gesendet; fügen Sie --allow-other-model hinzu, um zu verwenden, was passt.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>Refused, nothing was sent: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Abgelehnt, es wurde nichts gesendet: %1</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it was not compared</source>
        <extracomment>%1 is the model&apos;s name, %2 the file&apos;s settings it lacks (&quot;CAPTION: entry&quot;, comma-separated).</extracomment>
        <translation>der %1 bietet %2 nicht; sie wurde nicht verglichen</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they were not compared</source>
        <translation>der %1 bietet %2 nicht; sie wurden nicht verglichen</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it keeps its value</source>
        <translation>der %1 bietet %2 nicht; sie behält ihren Wert</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they keep their value</source>
        <translation>der %1 bietet %2 nicht; sie behalten ihren Wert</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <extracomment>%1 says why the file cannot be used.</extracomment>
        <translation>%1 Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>the %1 holds the settings of %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>der %1 enthält die Einstellungen aus %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting differs from %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>
            <numerusform>%n Einstellung weicht von %1 ab</numerusform>
            <numerusform>%n Einstellungen weichen von %1 ab</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ from %1</source>
        <translation>
            <numerusform>%n Einstellung weicht von %1 ab</numerusform>
            <numerusform>%n Einstellungen weichen von %1 ab</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found, settings read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>%1 gefunden, Einstellungen gelesen</translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n setting would change), nothing sent</source>
        <extracomment>%1 the number of command bytes, %2 the model&apos;s name; %n settings would change.</extracomment>
        <translation>
            <numerusform>Probelauf: %1 Befehlsbytes für den %2 ausgegeben (%n Einstellung würde sich ändern), nichts gesendet</numerusform>
            <numerusform>Probelauf: %1 Befehlsbytes für den %2 ausgegeben (%n Einstellungen würden sich ändern), nichts gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n settings would change), nothing sent</source>
        <translation>
            <numerusform>Probelauf: %1 Befehlsbytes für den %2 ausgegeben (%n Einstellung würde sich ändern), nichts gesendet</numerusform>
            <numerusform>Probelauf: %1 Befehlsbytes für den %2 ausgegeben (%n Einstellungen würden sich ändern), nichts gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>Command %1 of %2 (%3) failed: %4</source>
        <extracomment>%1 the command&apos;s number, %2 how many there are, %3 its byte, %4 what went wrong.</extracomment>
        <translation>Befehl %1 von %2 (%3) fehlgeschlagen: %4</translation>
    </message>
    <message>
        <source>The run was cut short.</source>
        <translation>Der Durchlauf wurde abgebrochen.</translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>fertig: %1 programmiert (nicht geprüft), %n Einstellung geändert</numerusform>
            <numerusform>fertig: %1 programmiert (nicht geprüft), %n Einstellungen geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n settings changed</source>
        <translation>
            <numerusform>fertig: %1 programmiert (nicht geprüft), %n Einstellung geändert</numerusform>
            <numerusform>fertig: %1 programmiert (nicht geprüft), %n Einstellungen geändert</numerusform>
        </translation>
    </message>
    <message>
        <source>Programmed, but the read-back failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Programmiert, aber das Rücklesen ist fehlgeschlagen: %1</translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n setting</source>
        <translation>
            <numerusform>Das Rücklesen weicht in %n Einstellung ab</numerusform>
            <numerusform>Das Rücklesen weicht in %n Einstellungen ab</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n settings</source>
        <translation>
            <numerusform>Das Rücklesen weicht in %n Einstellung ab</numerusform>
            <numerusform>Das Rücklesen weicht in %n Einstellungen ab</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>fertig: %1 programmiert und geprüft, %n Einstellung geändert</numerusform>
            <numerusform>fertig: %1 programmiert und geprüft, %n Einstellungen geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n settings changed</source>
        <translation>
            <numerusform>fertig: %1 programmiert und geprüft, %n Einstellung geändert</numerusform>
            <numerusform>fertig: %1 programmiert und geprüft, %n Einstellungen geändert</numerusform>
        </translation>
    </message>
    <message>
        <source>(changes)</source>
        <translation>(ändert sich)</translation>
    </message>
    <message>
        <source>(the ESC has %1)</source>
        <extracomment>%1 is the entry the ESC has now.</extracomment>
        <translation>(der ESC hat %1)</translation>
    </message>
    <message>
        <source>the settings before the write cannot be backed up (%1); note the codes the ESC reported: %2</source>
        <extracomment>%1 says why, %2 lists the codes.</extracomment>
        <translation>die Einstellungen vor dem Schreiben können nicht gesichert werden (%1); notieren Sie die Codes, die der ESC gemeldet hat: %2</translation>
    </message>
    <message>
        <source>%1 (command %2 of %3, %4)</source>
        <extracomment>Names a command of a programming run: %1 the setting&apos;s caption and entry, %2 its number, %3 how many there are, %4 its byte.</extracomment>
        <translation>%1 (Befehl %2 von %3, %4)</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the ones after it were not programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer, %3 the echo it should have sent.</extracomment>
        <translation>Der ESC beantwortete %1 mit %2 statt mit seinem Echo %3; ob er den Befehl gespeichert hat, ist unbekannt, die folgenden wurden nicht programmiert.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed.</source>
        <translation>Der ESC beantwortete %1 mit %2 statt mit seinem Echo %3; ob er den Befehl gespeichert hat, ist unbekannt, die Einstellungen davor wurden programmiert.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed, the ones after it were not.</source>
        <translation>Der ESC beantwortete %1 mit %2 statt mit seinem Echo %3; ob er den Befehl gespeichert hat, ist unbekannt, die Einstellungen davor wurden programmiert, die danach nicht.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer.</extracomment>
        <translation>Der ESC hat %1 abgelehnt: Er antwortete %2 statt 0x01; es wurde nichts programmiert.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed.</source>
        <translation>Der ESC hat %1 abgelehnt: Er antwortete %2 statt 0x01; die Einstellungen davor wurden programmiert.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed, the ones after it were not.</source>
        <translation>Der ESC hat %1 abgelehnt: Er antwortete %2 statt 0x01; die Einstellungen davor wurden programmiert, die danach nicht.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1
Try &apos;%2&apos;.
</source>
        <extracomment>%1 says what is wrong, %2 is the help command to run.</extracomment>
        <translation>orvesc-cli: %1
Siehe &apos;%2&apos;.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: did you mean %2?</source>
        <translation>unbekannter Befehl &quot;%1&quot;: Meinten Sie %2?</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: the commands are %2.</source>
        <translation>unbekannter Befehl &quot;%1&quot;: Die Befehle sind %2.</translation>
    </message>
    <message>
        <source>unknown option %1%2.</source>
        <translation>unbekannte Option %1%2.</translation>
    </message>
    <message>
        <source>unknown option %1%2: did you mean --%3?</source>
        <translation>unbekannte Option %1%2: Meinten Sie --%3?</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>unerwartetes Argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 gilt nicht für %2.</translation>
    </message>
    <message>
        <source>%1 applies only to %2.</source>
        <translation>%1 gilt nur für %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: give a COM number (COM3 or 3, 1 to 255) or a device path such as /dev/ttyUSB0.</source>
        <translation>&quot;%1&quot; ist kein Port: Geben Sie eine COM-Nummer (COM3 oder 3, 1 bis 255) oder einen Gerätepfad wie /dev/ttyUSB0 an.</translation>
    </message>
    <message>
        <source>--expect takes the number of ESCs that must answer, such as --expect 4; &quot;%1&quot; is none.</source>
        <translation>--expect erwartet die Anzahl der ESCs, die antworten müssen, etwa --expect 4; &quot;%1&quot; ist keine Zahl.</translation>
    </message>
    <message>
        <source>--expect counts the ESCs that --all finds: add --all.</source>
        <translation>--expect zählt die ESCs, die --all findet: Fügen Sie --all hinzu.</translation>
    </message>
    <message>
        <source>give either --port or --all, not both.</source>
        <translation>geben Sie entweder --port oder --all an, nicht beides.</translation>
    </message>
    <message>
        <source>verify needs a settings file: orvesc-cli verify FILE.</source>
        <translation>verify braucht eine Einstellungsdatei: orvesc-cli verify FILE.</translation>
    </message>
    <message>
        <source>write needs a settings file, --set KEY=ENTRY, or both: nothing to write.</source>
        <translation>write braucht eine Einstellungsdatei, --set KEY=ENTRY oder beides: Es gibt nichts zu schreiben.</translation>
    </message>
    <message>
        <source>-o writes one ESC&apos;s settings: give one --port, or use --json.</source>
        <translation>-o schreibt die Einstellungen eines einzigen ESC: Geben Sie genau einen Port mit --port an, oder verwenden Sie --json.</translation>
    </message>
    <message>
        <source>--station works on one cable: give at most one --port, and no --all.</source>
        <translation>--station arbeitet mit einem Kabel: Geben Sie höchstens einen Port mit --port an und kein --all.</translation>
    </message>
    <message>
        <source>--record keeps the record of a station&apos;s run: add --station.</source>
        <translation>--record hält das Protokoll eines Durchlaufs der Station fest: Fügen Sie --station hinzu.</translation>
    </message>
    <message>
        <source>--station programs every ESC it meets: drop --dry-run.</source>
        <translation>--station programmiert jeden angeschlossenen ESC: Lassen Sie --dry-run weg.</translation>
    </message>
    <message>
        <source>--dry-run sends nothing, so there is nothing to verify: drop --no-verify.</source>
        <translation>--dry-run sendet nichts, es gibt also nichts zu prüfen: Lassen Sie --no-verify weg.</translation>
    </message>
    <message>
        <source>(linked as %1)</source>
        <extracomment>%1 is the file the port is linked as.</extracomment>
        <translation>(verlinkt als %1)</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 Nothing was sent.</source>
        <extracomment>%1 says why the record cannot be written.</extracomment>
        <translation>orvesc-cli: %1 Es wurde nichts gesendet.</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation>Diagnose speichern...</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>Latenz-Timer %1 ms</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennr. %1</translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation>%1 %2 Diagnose, erstellt %3</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (kompiliert mit %2)</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>System: %1, Kernel %2 %3, %4</translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation>Ports (COM%1 bis COM%2):</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  keine</translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation>Datenverkehr (%1 Ereignisse, %2 ältere verworfen; Sekunden seit dem Start):</translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Die Diagnose konnte nicht in %1 geschrieben werden: %2. Wählen Sie einen anderen Ordner und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation>Diagnose speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>OFF</source>
        <extracomment>A drop-down entry: keep it as short. The setting is off.</extracomment>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>A drop-down entry: keep it as short. The setting is on.</extracomment>
        <translation>EIN</translation>
    </message>
    <message>
        <source>SOFT</source>
        <extracomment>A drop-down entry: keep it as short. A soft brake or a soft timing.</extracomment>
        <translation>WEICH</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>A drop-down entry: keep it as short. A hard timing.</extracomment>
        <translation>HART</translation>
    </message>
    <message>
        <source>AUTO</source>
        <extracomment>A drop-down entry: keep it as short. The ESC picks the timing itself.</extracomment>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>STOP MOTOR</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the motor stops.</extracomment>
        <translation>MOTOR STOPP</translation>
    </message>
    <message>
        <source>REDUCE POWER</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the power is reduced.</extracomment>
        <translation>DROSSELN</translation>
    </message>
    <message>
        <source>NO CUT</source>
        <extracomment>A drop-down entry: keep it as short. The motor is never cut at low voltage.</extracomment>
        <translation>KEINE</translation>
    </message>
    <message>
        <source>ON RANGE 1</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, first speed range.</extracomment>
        <translation>EIN BER. 1</translation>
    </message>
    <message>
        <source>ON RANGE 2</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, second speed range.</extracomment>
        <translation>EIN BER. 2</translation>
    </message>
    <message>
        <source>ON RANGE 3</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, third speed range.</extracomment>
        <translation>EIN BER. 3</translation>
    </message>
    <message>
        <source>GASMODE</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, in its gas mode.</extracomment>
        <translation>GASMODUS</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.</extracomment>
        <translation>STUFE1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.</extracomment>
        <translation>STUFE2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.</extracomment>
        <translation>STUFE3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.</extracomment>
        <translation>STUFE4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.</extracomment>
        <translation>STUFE5</translation>
    </message>
    <message>
        <source>LEVEL6</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.</extracomment>
        <translation>STUFE6</translation>
    </message>
    <message>
        <source>LEVEL7</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.</extracomment>
        <translation>STUFE7</translation>
    </message>
    <message>
        <source>LEVEL8</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.</extracomment>
        <translation>STUFE8</translation>
    </message>
    <message>
        <source>LEVEL9</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.</extracomment>
        <translation>STUFE9</translation>
    </message>
    <message>
        <source>LEVEL10</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.</extracomment>
        <translation>STUFE10</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>A drop-down entry: keep it as short. The model has no acceleration delay setting.</extracomment>
        <translation>Entfällt</translation>
    </message>
    <message>
        <source>Ni</source>
        <extracomment>A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside &quot;2S Li&quot; and the like.</extracomment>
        <translation>Ni</translation>
    </message>
    <message>
        <source>(no choice)</source>
        <extracomment>What a list names when none of its entries is chosen.</extracomment>
        <translation>(keine Auswahl)</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM control off.</source>
        <translation>Was der ESC mit dem Motor macht, wenn das Gas zurückgenommen ist: AUS lässt ihn frei auslaufen, EIN und WEICH bremsen ihn. Bremse und Drehzahlregelung schließen sich aus: Die Wahl einer Bremse schaltet die Drehzahlregelung aus.</translation>
    </message>
    <message>
        <source>The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li to 12S Li). Changing it resets the cutoff voltage, so choose the battery first.</source>
        <translation>Der Akku, mit dem der ESC betrieben wird: Ni für Nickelzellen oder die Zahl der Lithiumzellen (2S Li bis 12S Li). Eine Änderung setzt die Abschaltspannung zurück, wählen Sie daher zuerst den Akku.</translation>
    </message>
    <message>
        <source>The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. The lowest voltage counts as a hard cut, with which RPM control cannot be on.</source>
        <translation>Die Spannung pro Zelle, bei der der ESC auf einen leeren Akku reagiert, wie im Abschaltmodus festgelegt. Die niedrigste Spannung gilt als harte Abschaltung, mit der die Drehzahlregelung nicht eingeschaltet sein kann.</translation>
    </message>
    <message>
        <source>What the ESC does when the battery falls to the cutoff voltage. RPM control needs a cutoff: NO CUT switches it off.</source>
        <translation>Was der ESC tut, wenn der Akku auf die Abschaltspannung fällt. Die Drehzahlregelung braucht eine Abschaltung: KEINE schaltet sie aus.</translation>
    </message>
    <message>
        <source>Starts the motor gently rather than at full power at once. RPM control needs soft start: OFF switches RPM control off, and turning RPM control on switches soft start on.</source>
        <translation>Startet den Motor sanft statt sofort mit voller Leistung. Die Drehzahlregelung braucht den Sanftanlauf: AUS schaltet die Drehzahlregelung aus, und das Einschalten der Drehzahlregelung schaltet den Sanftanlauf ein.</translation>
    </message>
    <message>
        <source>The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer fixed angles. Which timing suits a motor, see the motor&apos;s or the ESC&apos;s manual.</source>
        <translation>Das Motortiming: AUTO überlässt es dem ESC; die Modelle für 10 und 12 Zellen bieten auch feste Winkel. Welches Timing zu einem Motor passt, steht in der Anleitung des Motors oder des ESC.</translation>
    </message>
    <message>
        <source>The frequency at which the ESC switches the motor&apos;s power. Which suits a motor, see the ESC&apos;s manual. The W models have a warn voltage in its place.</source>
        <translation>Die Frequenz, mit der der ESC die Motorleistung taktet. Welche zu einem Motor passt, steht in der Anleitung des ESC. Die W-Modelle haben an ihrer Stelle eine Warnspannung.</translation>
    </message>
    <message>
        <source>Offered by the W models in place of the frequency. What the ESC warns of at this voltage, and how, see the ESC&apos;s manual.</source>
        <translation>Bei den W-Modellen anstelle der Frequenz vorhanden. Wovor der ESC bei dieser Spannung warnt und wie, steht in der Anleitung des ESC.</translation>
    </message>
    <message>
        <source>ON makes the motor turn the other way round.</source>
        <translation>EIN lässt den Motor in die andere Richtung drehen.</translation>
    </message>
    <message>
        <source>Keeps the motor&apos;s speed under the ESC&apos;s control, in one of its ranges (see the ESC&apos;s manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to REDUCE POWER.</source>
        <translation>Hält die Drehzahl des Motors unter der Kontrolle des ESC, in einem seiner Bereiche (siehe Anleitung des ESC). Sie funktioniert nicht mit Bremse, ohne Sanftanlauf, mit KEINE oder mit der niedrigsten Abschaltspannung: Das Einschalten schaltet die Bremse aus, den Sanftanlauf ein und MOTOR STOPP auf DROSSELN um.</translation>
    </message>
    <message>
        <source>How quickly the motor may follow the throttle, in ten levels; what each level means, see the ESC&apos;s manual. Only the R9 models for 10 and 12 cells have it.</source>
        <translation>Wie schnell der Motor dem Gas folgen darf, in zehn Stufen; was jede Stufe bedeutet, steht in der Anleitung des ESC. Nur die R9-Modelle für 10 und 12 Zellen haben diese Einstellung.</translation>
    </message>
    <message>
        <source>A softer brake than ON; how soft, see the ESC&apos;s manual. It counts as a brake: RPM control is switched off.</source>
        <translation>Eine sanftere Bremse als EIN; wie sanft, steht in der Anleitung des ESC. Sie gilt als Bremse: Die Drehzahlregelung wird ausgeschaltet.</translation>
    </message>
    <message>
        <source>Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per cell.</source>
        <translation>Nickelzellen: Die Abschaltliste bietet dann die Nickel-Spannungen, 0.6 V bis 0.9 V pro Zelle.</translation>
    </message>
    <message>
        <source>The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE POWER.</source>
        <translation>Der Motor stoppt bei der Abschaltspannung. Das Einschalten der Drehzahlregelung ändert dies auf DROSSELN.</translation>
    </message>
    <message>
        <source>The ESC reduces the motor&apos;s power at the cutoff voltage instead of stopping it.</source>
        <translation>Der ESC reduziert bei der Abschaltspannung die Leistung des Motors, statt ihn zu stoppen.</translation>
    </message>
    <message>
        <source>No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control is switched off.</source>
        <translation>Keine Abschaltung: Der ESC treibt den Motor weiter an, egal wie tief die Akkuspannung fällt. Die Drehzahlregelung wird ausgeschaltet.</translation>
    </message>
    <message>
        <source>A fixed soft timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Ein festes weiches Timing; den Winkel siehe Anleitung des ESC.</translation>
    </message>
    <message>
        <source>A fixed hard timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Ein festes hartes Timing; den Winkel siehe Anleitung des ESC.</translation>
    </message>
    <message>
        <source>The ESC chooses the timing itself.</source>
        <translation>Der ESC wählt das Timing selbst.</translation>
    </message>
    <message>
        <source>Offered by the R9 models besides the ranges; it counts as RPM control on. What it does, see the ESC&apos;s manual.</source>
        <translation>Bei den R9-Modellen zusätzlich zu den Bereichen vorhanden; gilt als eingeschaltete Drehzahlregelung. Was er bewirkt, steht in der Anleitung des ESC.</translation>
    </message>
    <message>
        <source>This model has no acceleration delay.</source>
        <translation>Dieses Modell hat keine Beschleunigungsverzögerung.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>These ports could not be opened, so no ESC was looked for there:</source>
        <extracomment>Followed by one line per port saying why it could not be opened.</extracomment>
        <translation>Diese Ports konnten nicht geöffnet werden, daher wurde dort nicht nach einem ESC gesucht:</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and press CONNECT.</source>
        <extracomment>COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0). CONNECT is a button: use its translated name.</extracomment>
        <translation>Der Port des ESC, COM%1 (%2), ist nicht mehr vorhanden: Stecken Sie das Kabel wieder ein und drücken Sie VERBINDEN.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and run the command again.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Der Port des ESC, COM%1 (%2), ist nicht mehr vorhanden: Stecken Sie das Kabel wieder ein und führen Sie den Befehl erneut aus.</translation>
    </message>
    <message>
        <source>The setting code %1 cannot be sent: a command is one byte, 0 to 255. Nothing was sent to the ESC.</source>
        <extracomment>%1 is the number that was to be sent.</extracomment>
        <translation>Der Einstellungscode %1 kann nicht gesendet werden: Ein Befehl ist ein Byte, 0 bis 255. An den ESC wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Orvantis Controller Not Found!<byte value="xd"/><byte value="xd"/>• Check the PC Cable Adapter&apos;s connector orientation at your ESC<byte value="xd"/><byte value="xd"/>• Check Windows Device Manager to insure that device drivers for<byte value="xd"/>  your USB Adapter cable are properly loaded, and that a Serial Port<byte value="xd"/>  has been created by the USB adapter</source>
        <extracomment>A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a maker&apos;s name; Device Manager is the name of the Windows program.</extracomment>
        <translation>Orvantis-Controller nicht gefunden!<byte value="xd"/><byte value="xd"/>• Prüfen Sie die Ausrichtung des Steckers vom PC-Kabeladapter an Ihrem ESC<byte value="xd"/><byte value="xd"/>• Prüfen Sie im Windows-Geräte-Manager, ob die Gerätetreiber für<byte value="xd"/>  Ihr USB-Adapterkabel korrekt geladen sind und ob der USB-Adapter<byte value="xd"/>  einen seriellen Port angelegt hat</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>No COM port is selected: the port list is empty, or the selected entry has no port number (only the first ten listed ports can be used).</source>
        <extracomment>COM port: a serial port as the port list names it (COM1, COM2...).</extracomment>
        <translation>Kein COM-Port ausgewählt: Die Portliste ist leer, oder der gewählte Eintrag hat keine Portnummer (nur die ersten zehn gelisteten Ports sind nutzbar).</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Es ist kein serieller Port gelistet: Schließen Sie das PC-Schnittstellenkabel an.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports. Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>%n is the number of ports searched, always 2 or more.</extracomment>
        <translation>
            <numerusform>An keinem der %n gelisteten Ports antwortete ein ESC. Prüfen Sie die Ausrichtung des Kabelsteckers am ESC und ob der ESC mit Strom versorgt ist.</numerusform>
            <numerusform>An keinem der %n gelisteten Ports antwortete ein ESC. Prüfen Sie die Ausrichtung des Kabelsteckers am ESC und ob der ESC mit Strom versorgt ist.</numerusform>
        </translation>
    </message>
    <message>
        <source>No ESC answered on COM%1 (%2). Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>An COM%1 (%2) antwortete kein ESC. Prüfen Sie die Ausrichtung des Kabelsteckers am ESC und ob der ESC mit Strom versorgt ist.</translation>
    </message>
    <message>
        <source>the reply began with 0x00.</source>
        <extracomment>The command line&apos;s reason why a read failed, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>die Antwort begann mit 0x00.</translation>
    </message>
    <message>
        <source>the run was cut short.</source>
        <extracomment>The command line&apos;s reason why a run ended, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>der Durchlauf wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Backups are off until OrvESC is started again: the settings cannot be saved in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have backups.</source>
        <extracomment>A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Sicherungen sind bis zum nächsten Start von OrvESC ausgeschaltet: Die Einstellungen können nicht gespeichert werden in<byte value="xd"/>%1<byte value="xd"/>(%2). VERBINDEN, SCHREIBEN und STANDARD funktionieren wie bisher; machen Sie den Ordner beschreibbar, um Sicherungen zu erhalten.</translation>
    </message>
    <message>
        <source>backups are off for this run: the settings cannot be saved in %1 (%2); the write goes on. Make the folder writable to have backups.</source>
        <extracomment>A command-line note after the port&apos;s name and a colon, so it starts lower case. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;).</extracomment>
        <translation>Sicherungen sind für diesen Durchlauf ausgeschaltet: Die Einstellungen können nicht in %1 gespeichert werden (%2); das Schreiben wird fortgesetzt. Machen Sie den Ordner beschreibbar, um Sicherungen zu erhalten.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>RPM Control Disabled with Brake</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Drehzahlregelung mit Bremse deaktiviert</translation>
    </message>
    <message>
        <source>RPM Control Disabled with Hard Cut LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Drehzahlregelung bei harter Unterspannungsabschaltung deaktiviert</translation>
    </message>
    <message>
        <source>RPM Control Disabled without SoftStart</source>
        <extracomment>A message box after the user changed a setting.</extracomment>
        <translation>Drehzahlregelung ohne Sanftanlauf deaktiviert</translation>
    </message>
    <message>
        <source>RPM Control Disabled without LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Drehzahlregelung ohne Unterspannungsabschaltung deaktiviert</translation>
    </message>
    <message>
        <source>Brake Disabled  / Softstart enabled with RPM Control</source>
        <extracomment>A message box after the user changed a setting: two corrections made at once.</extracomment>
        <translation>Bremse deaktiviert / Sanftanlauf aktiviert wegen Drehzahlregelung</translation>
    </message>
    <message>
        <source>The ESC reported settings that this tool cannot show (their lists are left empty):</source>
        <extracomment>The first line of a message box; one line per setting follows.</extracomment>
        <translation>Der ESC hat Einstellungen gemeldet, die dieses Programm nicht anzeigen kann (ihre Listen bleiben leer):</translation>
    </message>
    <message>
        <source>No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.</source>
        <extracomment>The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Keine Sicherung kann diese Codes aufnehmen: Notieren Sie sie, bevor SCHREIBEN oder STANDARD sie überschreibt.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation>OrvESC-Einstellungen (*.orvesc.json);;JSON-Dateien (*.json);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>No record file is named: name one.</source>
        <translation>Es ist keine Protokolldatei angegeben: Geben Sie eine an.</translation>
    </message>
    <message>
        <source>The record file %1 is a folder: name a file.</source>
        <translation>Die Protokolldatei %1 ist ein Ordner: Geben Sie eine Datei an.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be read: %2.</source>
        <translation>Die Protokolldatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not a record of OrvESC&apos;s runs (its first line differs): name another file.</source>
        <translation>%1 ist kein Protokoll von OrvESC-Durchläufen (die erste Zeile weicht ab): Geben Sie eine andere Datei an.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be written: %2.</source>
        <translation>Die Protokolldatei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>process %1</source>
        <extracomment>A program holding a serial port, known only by its process number %1.</extracomment>
        <translation>Prozess %1</translation>
    </message>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a serial port: %1 its name, %2 its process number.</extracomment>
        <translation>%1, Prozess %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the programs of a list in parentheses: &quot;(minicom, process 12; process 14)&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the names of two system services, or of a list of them and one more: &quot;ModemManager and gpsd&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 is running and may hold it. Stop it with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 a system service&apos;s name, %3 its unit; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 wird von einem anderen Programm verwendet; %2 läuft und belegt den Port möglicherweise. Beenden Sie den Dienst mit: sudo systemctl stop %3, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 are running and may hold it. Stop them with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 the names of two or more system services, %3 their units; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 wird von einem anderen Programm verwendet; %2 laufen und belegen den Port möglicherweise. Beenden Sie die Dienste mit: sudo systemctl stop %3, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>There is no %1: no serial port or USB adapter has that number. Check that the adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM12).</extracomment>
        <translation>%1 gibt es nicht: Kein serieller Port und kein USB-Adapter hat diese Nummer. Prüfen Sie, ob der Adapter eingesteckt ist.</translation>
    </message>
    <message>
        <source>%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.</source>
        <extracomment>%1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.</extracomment>
        <translation>%1 ist keine Portnummer, die dieses Programm verwenden kann: Die Nummern reichen von COM%2 bis COM%3.</translation>
    </message>
    <message>
        <source>%1 is open: the port number can only change while the port is closed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 ist geöffnet: Die Portnummer kann nur bei geschlossenem Port geändert werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting the serial port can take (it should read like 19200,N,8,1).</source>
        <extracomment>%1 is the text given; &quot;19200,N,8,1&quot; is a setting as the port takes it and stays as it is.</extracomment>
        <translation>&quot;%1&quot; ist keine Leitungseinstellung, die der serielle Port annehmen kann (sie sollte wie 19200,N,8,1 aussehen).</translation>
    </message>
    <message>
        <source>%1 is not a read length (0 reads everything waiting).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 ist keine Leselänge (0 liest alles Wartende).</translation>
    </message>
    <message>
        <source>%1 is not a read mode (0 text, 1 bytes).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 ist kein Lesemodus (0 Text, 1 Bytes).</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1).</extracomment>
        <translation>%1 nimmt die Leitungseinstellungen %2 nicht an.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2: %3.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system&apos;s reason.</extracomment>
        <translation>%1 nimmt die Leitungseinstellungen %2 nicht an: %3.</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist. Check that the USB adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 kann nicht geöffnet werden: Das Gerät existiert nicht. Prüfen Sie, ob der USB-Adapter eingesteckt ist.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user. Ask the administrator of this computer for access to the device.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 darf von diesem Benutzer nicht geöffnet werden. Bitten Sie den Administrator dieses Computers um Zugriff auf das Gerät.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user: access is granted to the group &quot;%2&quot;. Join it with: sudo usermod -aG %2 $USER, then log in again.</source>
        <extracomment>%1 is a port name (COM3), %2 a user group&apos;s name (dialout); &quot;sudo usermod -aG %2 $USER&quot; is a command and stays as it is.</extracomment>
        <translation>%1 darf von diesem Benutzer nicht geöffnet werden: Zugriff hat die Gruppe &quot;%2&quot;. Treten Sie ihr bei mit: sudo usermod -aG %2 $USER, und melden Sie sich dann neu an.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this user may not write the port&apos;s lock file (in /var/lock or /tmp).</source>
        <extracomment>%1 is a port name (COM3); /var/lock and /tmp are folders.</extracomment>
        <translation>%1 kann nicht geöffnet werden: Dieser Benutzer darf die Sperrdatei des Ports nicht schreiben (in /var/lock oder /tmp).</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 wird von einem anderen Programm verwendet. Schließen Sie dieses Programm oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2). Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3), %2 the programs holding it (&quot;minicom, process 12&quot;).</extracomment>
        <translation>%1 wird von einem anderen Programm verwendet (%2). Schließen Sie dieses Programm oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not a serial port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 kann nicht geöffnet werden: Es ist kein serieller Port.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the system gave no reason.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 kann nicht geöffnet werden: Das System nannte keinen Grund.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: the USB adapter may have been unplugged.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Die Verbindung zu %1 ist abgebrochen: Der USB-Adapter wurde möglicherweise abgezogen.</translation>
    </message>
    <message>
        <source>%1 is not open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Sending to %1 failed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Senden an %1 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Senden an %1 fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Lesen von %1 fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port %1 is gone.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Der Port des ESC, %1, ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>%1 (linked as %2)</source>
        <extracomment>A port&apos;s tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).</extracomment>
        <translation>%1 (verlinkt als %2)</translation>
    </message>
    <message>
        <source>The USB adapter %1 appeared and vanished again at once: brltty, a braille-display service, may be taking it. If you use no braille display, remove it with: sudo apt remove brltty, then plug the adapter in again.</source>
        <extracomment>%1 is the adapter&apos;s device (/dev/ttyUSB0); brltty is a program&apos;s name and &quot;sudo apt remove brltty&quot; a command: both stay as they are.</extracomment>
        <translation>Der USB-Adapter %1 ist erschienen und sofort wieder verschwunden: brltty, ein Dienst für Braillezeilen, übernimmt ihn möglicherweise. Wenn Sie keine Braillezeile verwenden, entfernen Sie brltty mit: sudo apt remove brltty, und stecken Sie den Adapter dann erneut ein.</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>the %1 has no %2 setting</source>
        <extracomment>%1 is the ESC&apos;s model, %2 a setting&apos;s caption (&quot;BRAKE&quot;).</extracomment>
        <translation>der %1 hat keine Einstellung %2</translation>
    </message>
    <message>
        <source>%1: the %2 has no entry &quot;%3&quot;. Its entries: %4</source>
        <extracomment>%1 is a setting&apos;s caption, %2 the ESC&apos;s model, %3 the entry asked for, %4 the list&apos;s entries.</extracomment>
        <translation>%1: Der %2 hat keinen Eintrag &quot;%3&quot;. Seine Einträge: %4</translation>
    </message>
    <message>
        <source>the setting rules would change %1. Ask for a combination the rules allow</source>
        <extracomment>%1 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*, BRAKE: ON -&gt; OFF*&quot;.</extracomment>
        <translation>die Einstellungsregeln würden %1 ändern. Wählen Sie eine Kombination, die die Regeln erlauben</translation>
    </message>
    <message>
        <source>%1: the setting rules would change %2. Ask for a combination the rules allow</source>
        <extracomment>%1 quotes what the rules said, %2 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*&quot;.</extracomment>
        <translation>%1: Die Einstellungsregeln würden %2 ändern. Wählen Sie eine Kombination, die die Regeln erlauben</translation>
    </message>
    <message>
        <source>model code %1</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>Modellcode %1</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2, for which the list has no entry; give one</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a code such as 0x9F.</extracomment>
        <translation>%1: Der ESC meldete Code %2, für den die Liste keinen Eintrag hat; geben Sie einen an</translation>
    </message>
</context>
<context>
    <name>SettingsCompare</name>
    <message>
        <source>code %1</source>
        <extracomment>A setting&apos;s value that no entry of the list stands for; %1 is the number.</extracomment>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>%1: the ESC has %2, the list shows %3</source>
        <extracomment>%1 is a setting&apos;s caption, %2 what the ESC reported, %3 what the list shows (entries or codes).</extracomment>
        <translation>%1: Der ESC hat %2, die Liste zeigt %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>unknown key %1 is ignored</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>unbekannter Schlüssel %1 wird ignoriert</translation>
    </message>
    <message>
        <source>unknown key %1 in &quot;model&quot; is ignored</source>
        <translation>unbekannter Schlüssel %1 in &quot;model&quot; wird ignoriert</translation>
    </message>
    <message>
        <source>unknown key %1 in the setting %2 is ignored</source>
        <extracomment>%1 is a JSON key in quotes, %2 the setting&apos;s key in quotes (&quot;brake&quot;).</extracomment>
        <translation>unbekannter Schlüssel %1 in der Einstellung %2 wird ignoriert</translation>
    </message>
    <message>
        <source>model (%1)</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>Modell (%1)</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 a number, %3 the setting&apos;s caption, %4 the model.</extracomment>
        <translation>die Einstellung %1 hat Code %2, der beim %4 kein Eintrag für %3 ist</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery</source>
        <extracomment>%5 is the battery&apos;s chemistry, Li or Ni.</extracomment>
        <translation>die Einstellung %1 hat Code %2, der beim %4 mit %5-Akku kein Eintrag für %3 ist</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery</source>
        <extracomment>The cutoff kept for the battery family not in use; %5 is that family&apos;s chemistry, Li or Ni.</extracomment>
        <translation>die Einstellung %1 hat Code %2, der beim %4 für einen %5-Akku kein Eintrag für %3 ist</translation>
    </message>
    <message>
        <source>the setting %1 is not an object with &quot;code&quot; and &quot;text&quot;</source>
        <extracomment>%1 is the setting&apos;s key in quotes; &quot;code&quot; and &quot;text&quot; are the file&apos;s keys.</extracomment>
        <translation>die Einstellung %1 ist kein Objekt mit &quot;code&quot; und &quot;text&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;code&quot;</source>
        <translation>die Einstellung %1 hat kein &quot;code&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, not a whole number from 0 to 255</source>
        <extracomment>%2 is the code as the file holds it.</extracomment>
        <translation>die Einstellung %1 hat den Code %2, keine ganze Zahl von 0 bis 255</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;text&quot;; its code %2 stands for %3</source>
        <extracomment>%2 is a number, %3 the list&apos;s entry in quotes.</extracomment>
        <translation>die Einstellung %1 hat kein &quot;text&quot;; ihr Code %2 steht für %3</translation>
    </message>
    <message>
        <source>the setting %1 has text %2 but its code %3 stands for %4; correct the text or the code</source>
        <extracomment>%2 is the text the file holds, %3 a number, %4 the list&apos;s entry; both texts in quotes.</extracomment>
        <translation>die Einstellung %1 hat den Text %2, aber ihr Code %3 steht für %4; korrigieren Sie den Text oder den Code</translation>
    </message>
    <message>
        <source>it holds the setting %1, which %2 does not have</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 the model.</extracomment>
        <translation>sie enthält die Einstellung %1, die der %2 nicht hat</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its JSON text is no object)</source>
        <translation>sie ist keine OrvESC-Einstellungsdatei (ihr JSON-Text ist kein Objekt)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (it has no &quot;format&quot;)</source>
        <translation>sie ist keine OrvESC-Einstellungsdatei (sie hat kein &quot;format&quot;)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its format is %1, not %2)</source>
        <extracomment>%1 is the format the file names, %2 the one OrvESC writes, both in quotes.</extracomment>
        <translation>sie ist keine OrvESC-Einstellungsdatei (ihr Format ist %1, nicht %2)</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or not a whole number from 1 up</source>
        <translation>ihre &quot;version&quot; fehlt oder ist keine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>it has format version %1, newer than the version %2 this OrvESC reads; open it with a newer OrvESC</source>
        <extracomment>%1 is the file&apos;s format version, %2 the newest this OrvESC reads.</extracomment>
        <translation>sie hat die Formatversion %1, neuer als die Version %2, die dieses OrvESC liest; öffnen Sie sie mit einem neueren OrvESC</translation>
    </message>
    <message>
        <source>it names no &quot;model&quot;</source>
        <translation>sie nennt kein &quot;model&quot;</translation>
    </message>
    <message>
        <source>its model has no whole-number &quot;code&quot;</source>
        <translation>ihr Modell hat keinen ganzzahligen &quot;code&quot;</translation>
    </message>
    <message>
        <source>its model code %1 is not a model this tool knows</source>
        <extracomment>%1 is the model code the file holds.</extracomment>
        <translation>ihr Modellcode %1 ist kein Modell, das dieses Programm kennt</translation>
    </message>
    <message>
        <source>it has no &quot;settings&quot; object</source>
        <translation>sie hat kein Objekt &quot;settings&quot;</translation>
    </message>
    <message>
        <source>the setting %1 is missing</source>
        <extracomment>%1 is the setting&apos;s key in quotes.</extracomment>
        <translation>die Einstellung %1 fehlt</translation>
    </message>
    <message>
        <source>the model code %1 is not one the tool knows by name, so no settings file can hold it</source>
        <translation>der Modellcode %1 ist keiner, den das Programm mit Namen kennt, daher kann keine Einstellungsdatei ihn aufnehmen</translation>
    </message>
    <message>
        <source>no choice is selected for %1</source>
        <extracomment>%1 lists the captions of the settings, &quot;BRAKE, TIMING MODE&quot;.</extracomment>
        <translation>für %1 ist keine Auswahl getroffen</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>%1 is the file&apos;s size in bytes.</extracomment>
        <translation>sie ist größer als 64 KiB (%1 Bytes), viel zu groß für eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>sie ist kein JSON-Text</translation>
    </message>
    <message>
        <source>%1 shows an entry that stands for no code of this model: %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1 zeigt einen Eintrag, der für keinen Code dieses Modells steht: %2</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1: Der ESC meldete Code %2</translation>
    </message>
    <message>
        <source>the key %1 appears twice in one place</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>der Schlüssel %1 kommt an einer Stelle doppelt vor</translation>
    </message>
    <message>
        <source>it ends before its JSON text does (the file is cut short)</source>
        <translation>sie endet, bevor ihr JSON-Text zu Ende ist (die Datei ist abgeschnitten)</translation>
    </message>
    <message>
        <source>it is not JSON text (error at %1)</source>
        <extracomment>%1 is a place in the file, &quot;line 3, column 14&quot;.</extracomment>
        <translation>sie ist kein JSON-Text (Fehler in %1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>it nests values deeper than a settings file does</source>
        <translation>sie verschachtelt Werte tiefer als eine Einstellungsdatei</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>Die Einstellungsdatei kann nicht verwendet werden:<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>Die Listen bleiben unverändert.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation>Es gibt noch keine Sicherungen. Jedes VERBINDEN, das die Einstellungen eines ESC liest, speichert sie in<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation>Diese Datei enthält die Einstellungen eines %1, der angeschlossene ESC ist ein %2. Einstellungen, die er nicht bietet, behalten ihre Auswahl.</translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation>Prüfen Sie die Datei auf Tippfehler: %1.</translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation>Die Listen zeigen bereits die Einstellungen dieser Datei.</translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation>Der angeschlossene ESC bietet nicht:</translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation>Diese Einstellungen ändern sich:</translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation>Drücken Sie danach SCHREIBEN, um sie in den ESC zu schreiben.</translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation>Diese Einstellungen der Datei bietet der angeschlossene %1 nicht; sie behalten ihre Auswahl:</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Nichts gespeichert: %1.</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Einstellungen speichern unter</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation>Die Datei<byte value="xd"/>%1<byte value="xd"/>existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Die Einstellungen konnten nicht gespeichert werden in<byte value="xd"/>%1<byte value="xd"/>(%2). Wählen Sie einen anderen Ort.</translation>
    </message>
</context>
<context>
    <name>StationProgramming</name>
    <message>
        <source>Refused: this is a %1, the settings are for a %2. Nothing was written.</source>
        <translation>Abgelehnt: Dies ist ein %1, die Einstellungen sind für einen %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Not programmed: its settings could not be backed up (%1).</source>
        <translation>Nicht programmiert: Seine Einstellungen konnten nicht gesichert werden (%1).</translation>
    </message>
    <message>
        <source>no backup folder</source>
        <translation>kein Sicherungsordner</translation>
    </message>
    <message>
        <source>Refused: %1. Nothing was written.</source>
        <translation>Abgelehnt: %1. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: %2 (command %3 of %4).</source>
        <translation>Der ESC hat %1 abgelehnt: %2 (Befehl %3 von %4).</translation>
    </message>
    <message>
        <source>No answer to %1: %2 (command %3 of %4).</source>
        <translation>Keine Antwort auf %1: %2 (Befehl %3 von %4).</translation>
    </message>
    <message>
        <source>Cut short.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The read-back differs in %1.</source>
        <translation>Das Rücklesen weicht ab bei %1.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the folder cannot be created</source>
        <extracomment>Why backups cannot be saved, shown in parentheses after the backup folder&apos;s name.</extracomment>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>sie ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is its size in bytes.</extracomment>
        <translation>sie ist größer als 64 KiB (%1 Bytes), viel zu groß für eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is the system&apos;s reason.</extracomment>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Nichts verglichen: Für %1 ist keine Auswahl getroffen.</translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation>Der ESC enthält die angezeigten Einstellungen.</translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation>Der ESC hat jeden Befehl angenommen, aber das Rücklesen seiner Einstellungen zeigt Unterschiede:</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>BREMSE</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>AKKU</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation>ABSCHALT V/Z</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation>ABSCHALTMODUS</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>SANFTANLAUF</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>TIMING-MODUS</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>FREQUENZ</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>DREHRICHTUNG</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>DREHZAHL</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>BESCHL.-VERZÖG.</translation>
    </message>
    <message>
        <source>CUTOFF</source>
        <translation>ABSCHALT</translation>
    </message>
    <message>
        <source>AUTOCUT</source>
        <translation>LVC-MODUS</translation>
    </message>
    <message>
        <source>TIMING</source>
        <translation>TIMING</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>MOTOR</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>VERBINDEN</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>SCHREIBEN</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>ESC Detected</source>
        <translation>ESC erkannt</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>STANDARD</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation>Einstellungen öffnen...</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Einstellungen speichern unter...</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation>Mit ESC vergleichen</translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation>Nach SCHREIBEN prüfen</translation>
    </message>
    <message>
        <source>Program several ESCs...</source>
        <translation>Mehrere ESCs programmieren...</translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation>%1 - &quot;%2&quot; wird nach VERBINDEN geöffnet</translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Nichts gesendet: Für %1 ist keine Auswahl getroffen.</translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation>Quorl-ESC programmiert</translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation>%1 funktioniert erst, wenn VERBINDEN die Einstellungen eines ESC gelesen hat: Verbinden Sie zuerst den ESC.</translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation>Orvantis ESC PC-Schnittstelle</translation>
    </message>
</context>
<context>
    <name>orvesc::SeveralEscsDialog</name>
    <message>
        <source>Program several ESCs</source>
        <translation>Mehrere ESCs programmieren</translation>
    </message>
    <message>
        <source>The settings the lists show</source>
        <translation>Die Einstellungen in den Listen</translation>
    </message>
    <message>
        <source>A settings file:</source>
        <translation>Eine Einstellungsdatei:</translation>
    </message>
    <message>
        <source>The model&apos;s factory settings</source>
        <translation>Die Werkseinstellungen des Modells</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>Settings (*.orvesc.json *.json)</source>
        <translation>Einstellungen (*.orvesc.json *.json)</translation>
    </message>
    <message>
        <source>Choose the settings and the port, then press Start.</source>
        <translation>Wählen Sie die Einstellungen und den Port und drücken Sie dann Start.</translation>
    </message>
    <message>
        <source>Passed: %1  Failed: %2</source>
        <translation>Bestanden: %1  Fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Name a settings file.</source>
        <translation>Geben Sie eine Einstellungsdatei an.</translation>
    </message>
    <message>
        <source>Writes the settings of %1.</source>
        <translation>Schreibt die Einstellungen aus %1.</translation>
    </message>
    <message>
        <source>Writes the settings the lists show, for the %1.</source>
        <translation>Schreibt die Einstellungen in den Listen, für den %1.</translation>
    </message>
    <message>
        <source>Writes the factory settings of the %1.</source>
        <translation>Schreibt die Werkseinstellungen des %1.</translation>
    </message>
    <message>
        <source>Name a settings file, or choose other settings.</source>
        <translation>Geben Sie eine Einstellungsdatei an oder wählen Sie andere Einstellungen.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>Writes the settings of %1, for the %2.</source>
        <translation>Schreibt die Einstellungen aus %1, für den %2.</translation>
    </message>
    <message>
        <source>These settings cannot be written: %1.</source>
        <translation>Diese Einstellungen können nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>No port is listed: plug in the PC interface cable.</source>
        <translation>Es ist kein Port gelistet: Schließen Sie das PC-Schnittstellenkabel an.</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>Der Durchlauf wurde gestoppt.</translation>
    </message>
    <message>
        <source>Unplug the ESC.</source>
        <translation>Ziehen Sie den ESC ab.</translation>
    </message>
    <message>
        <source>Another ESC is on the cable.</source>
        <translation>Ein anderer ESC hängt am Kabel.</translation>
    </message>
    <message>
        <source>Plug in the next ESC.</source>
        <translation>Stecken Sie den nächsten ESC an.</translation>
    </message>
    <message>
        <source>Plug in an ESC.</source>
        <translation>Stecken Sie einen ESC an.</translation>
    </message>
    <message>
        <source>Run ended: %1 passed, %2 failed.</source>
        <translation>Durchlauf beendet: %1 bestanden, %2 fehlgeschlagen.</translation>
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
        <translation>Stoppt, sobald dieser ESC fertig ist.</translation>
    </message>
    <message>
        <source>Stopping.</source>
        <translation>Wird gestoppt.</translation>
    </message>
</context>
<context>
    <name>orvesc::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name (OrvESC).</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Orvantis ESC PC interface</source>
        <extracomment>Orvantis is a maker&apos;s name; ESC: electronic speed controller.</extracomment>
        <translation>Orvantis ESC PC-Schnittstelle</translation>
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
        <translation>Diese Software ermöglicht das Programmieren eines Orvantis-ESC zusammen mit einem Orvantis-PC-Schnittstellenkabel und einem PC.
Neuigkeiten und Updates finden Sie unter www.orvantis.example</translation>
    </message>
    <message>
        <source>Warning: this software is provided as is, without warranty of any kind. Orvantis accepts no liability for any damage, injury or loss arising from its use, including from settings written to a speed controller. Remove the propeller before programming.</source>
        <translation>Warnung: Diese Software wird so, wie sie ist, ohne jegliche Gewährleistung bereitgestellt. Orvantis haftet nicht für Schäden, Verletzungen oder Verluste, die aus ihrer Verwendung entstehen, auch nicht für solche durch Einstellungen, die in einen Drehzahlsteller geschrieben wurden. Entfernen Sie vor dem Programmieren den Propeller.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button that starts the system&apos;s information program; &amp; marks its access key.</extracomment>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
</TS>
