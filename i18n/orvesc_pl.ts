<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Caption</name>
    <message>
        <source>BRAKE</source>
        <translation>HAMULEC</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATERIA</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <extracomment>The battery voltage per cell at which the ESC cuts the motor.</extracomment>
        <translation>ODCIĘCIE V/CELĘ</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <extracomment>What the ESC does when the battery reaches the cutoff voltage.</extracomment>
        <translation>TRYB ODCIĘCIA</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>MIĘKKI START</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>TRYB TIMINGU</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>REWERS SILNIKA</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>REG. RPM</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>OPÓŹN. PRZYSP.</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <extracomment>The caption above a setting list: the motor&apos;s switching frequency. Short and upper case, like the others.</extracomment>
        <translation>CZĘSTOTLIW.</translation>
    </message>
    <message>
        <source>WARN VOLTAGE</source>
        <extracomment>The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.</extracomment>
        <translation>NAPIĘCIE OSTRZ.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 found</source>
        <extracomment>%1 is the ESC&apos;s model name.</extracomment>
        <translation>Znaleziono %1</translation>
    </message>
    <message>
        <source>%1 gets no COM number: all numbers are taken.</source>
        <extracomment>%1 is a device path given with --port.</extracomment>
        <translation>%1 nie otrzyma numeru COM: wszystkie numery są zajęte.</translation>
    </message>
    <message>
        <source>set it to 1 in Device Manager: the port&apos;s Properties, Port Settings, Advanced, Latency Timer (msec)</source>
        <translation>ustaw go na 1 w Menedżerze urządzeń: Właściwości portu, Ustawienia portu, Zaawansowane, Latency Timer (msec)</translation>
    </message>
    <message>
        <source>the package&apos;s udev rule sets it to 1 when the adapter is plugged in, or: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <extracomment>%1 is the adapter&apos;s device name in sysfs.</extracomment>
        <translation>reguła udev z pakietu ustawia go na 1 po podłączeniu adaptera, albo: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2</source>
        <extracomment>%1 the adapter&apos;s latency timer in milliseconds, %2 how to lower it.</extracomment>
        <translation>latency timer %1 ms: każda odpowiedź czeka w adapterze do %1 ms; %2</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Na liście nie ma portu szeregowego: podłącz kabel interfejsu PC.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C while programming: the ESC may hold part of the new settings; run the command again on this port.</source>
        <translation>Przerwano przez Ctrl+C podczas programowania: ESC może zawierać część nowych ustawień; uruchom polecenie ponownie na tym porcie.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C.</source>
        <translation>Przerwano przez Ctrl+C.</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <extracomment>A port&apos;s failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.</extracomment>
        <translation>%1: błąd %2: %3</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port.</source>
        <translation>Żaden ESC nie odpowiedział na jedynym wymienionym porcie.</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port; none on %1.</source>
        <translation>Żaden ESC nie odpowiedział na jedynym wymienionym porcie; brak ESC na %1.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port.</source>
        <extracomment>%1 names the ports where no ESC answered.</extracomment>
        <translation>
            <numerusform>Żaden ESC nie odpowiedział na %n wymienionym porcie.</numerusform>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów.</numerusform>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports.</source>
        <translation>
            <numerusform>Żaden ESC nie odpowiedział na %n wymienionym porcie.</numerusform>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów.</numerusform>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port; none on %1.</source>
        <translation>
            <numerusform>Żaden ESC nie odpowiedział na %n wymienionym porcie; brak ESC na %1.</numerusform>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów; brak ESC na %1.</numerusform>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów; brak ESC na %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports; none on %1.</source>
        <translation>
            <numerusform>Żaden ESC nie odpowiedział na %n wymienionym porcie; brak ESC na %1.</numerusform>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów; brak ESC na %1.</numerusform>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów; brak ESC na %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2).</source>
        <extracomment>%1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionego portu, oczekiwano %2 (--expect %2).</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów, oczekiwano %2 (--expect %2).</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów, oczekiwano %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2).</source>
        <translation>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionego portu, oczekiwano %2 (--expect %2).</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów, oczekiwano %2 (--expect %2).</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów, oczekiwano %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionego portu, oczekiwano %2 (--expect %2); brak ESC na %3.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów, oczekiwano %2 (--expect %2); brak ESC na %3.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów, oczekiwano %2 (--expect %2); brak ESC na %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionego portu, oczekiwano %2 (--expect %2); brak ESC na %3.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów, oczekiwano %2 (--expect %2); brak ESC na %3.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów, oczekiwano %2 (--expect %2); brak ESC na %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port.</source>
        <extracomment>%1 ESCs answered; %2 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionego portu.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports.</source>
        <translation>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionego portu.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port; none on %2.</source>
        <translation>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionego portu; brak ESC na %2.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów; brak ESC na %2.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów; brak ESC na %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports; none on %2.</source>
        <translation>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionego portu; brak ESC na %2.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów; brak ESC na %2.</numerusform>
            <numerusform>Odpowiedź ESC na %1 z %n wymienionych portów; brak ESC na %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not searched: %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Nie przeszukano: %1</translation>
    </message>
    <message>
        <source>Check the cable&apos;s connector orientation at each ESC and that it is powered.</source>
        <translation>Sprawdź orientację wtyczki kabla przy każdym ESC i czy jest on zasilany.</translation>
    </message>
    <message>
        <source>orvesc-cli: error %1: %2</source>
        <translation>orvesc-cli: błąd %1: %2</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable.</source>
        <translation>na liście nie ma portu szeregowego: podłącz kabel interfejsu PC.</translation>
    </message>
    <message>
        <source>No listed port can be opened. %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Żadnego z wymienionych portów nie można otworzyć. %1</translation>
    </message>
    <message>
        <source>%1 Not searched: %2</source>
        <extracomment>%1 says that no ESC answered, %2 names the ports not opened, with the reason.</extracomment>
        <translation>%1 Nie przeszukano: %2</translation>
    </message>
    <message>
        <source>Reading the settings failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Odczyt ustawień nie powiódł się: %1</translation>
    </message>
    <message>
        <source>No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends).</source>
        <translation>Na liście nie ma jeszcze portu szeregowego: podłącz kabel interfejsu PC (Ctrl+C kończy).</translation>
    </message>
    <message>
        <source>settings of the %1 read: no settings document can hold them (%2), so the JSON holds the codes the ESC reported</source>
        <extracomment>%1 is the model&apos;s name, %2 why no settings document can hold what it reported.</extracomment>
        <translation>odczytano ustawienia %1: żaden dokument ustawień nie może ich przechować (%2), więc JSON zawiera kody zgłoszone przez ESC</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be written.</extracomment>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>no settings file can hold these settings: %1.</source>
        <translation>żaden plik ustawień nie może przechować tych ustawień: %1.</translation>
    </message>
    <message>
        <source>settings of the %1 read and saved in %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>odczytano ustawienia %1 i zapisano je w %2</translation>
    </message>
    <message>
        <source>settings of the %1 read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>odczytano ustawienia %1</translation>
    </message>
    <message>
        <source>%1: %2 (model code %3)
</source>
        <extracomment>A heading of the settings table: %1 the port, %2 the model&apos;s name, %3 its model code.</extracomment>
        <translation>%1: %2 (kod modelu %3)
</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot; is not KEY=ENTRY (for example --set brake=on).</source>
        <translation>--set &quot;%1&quot; nie ma postaci KLUCZ=OPCJA (na przykład --set brake=on).</translation>
    </message>
    <message>
        <source>--set: &quot;%1&quot; is not a setting. Settings: %2.</source>
        <extracomment>%1 as typed, %2 the setting keys.</extracomment>
        <translation>--set: &quot;%1&quot; nie jest ustawieniem. Ustawienia: %2.</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not an entry of %3. Entries: %4.</source>
        <extracomment>%1 the key as typed, %2 the entry as typed, %3 the setting&apos;s caption, %4 its entries.</extracomment>
        <translation>--set %1: &quot;%2&quot; nie jest opcją ustawienia %3. Opcje: %4.</translation>
    </message>
    <message>
        <source>--set %1: the %2 has no %3 setting. Its settings: %4.</source>
        <extracomment>%1 the key as typed, %2 the model&apos;s name, %3 the setting&apos;s caption, %4 the model&apos;s setting keys.</extracomment>
        <translation>--set %1: %2 nie ma ustawienia %3. Jego ustawienia: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>Nie można użyć %1: %2.</translation>
    </message>
    <message>
        <source>The settings by their key for --set and settings files, with their caption; the entries each model offers (* marks the factory setting); what they do.</source>
        <translation>Ustawienia według klucza dla --set i plików ustawień, z ich etykietą; opcje oferowane przez każdy model (* oznacza ustawienie fabryczne); co robią.</translation>
    </message>
    <message>
        <source>every model, battery Ni</source>
        <extracomment>Stands before a setting&apos;s entries where every model offers them, in place of the models&apos; names.</extracomment>
        <translation>każdy model, bateria Ni</translation>
    </message>
    <message>
        <source>every model</source>
        <translation>każdy model</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable, then start the station again.</source>
        <translation>na liście nie ma portu szeregowego: podłącz kabel interfejsu PC, a potem uruchom stację ponownie.</translation>
    </message>
    <message>
        <source>--station works on one cable, and %1 ports are listed: %2. Name the cable&apos;s with --port, e.g. --port %3; nothing was sent.</source>
        <extracomment>%1 the number of ports (always several), %2 the ports, %3 the first of them.</extracomment>
        <translation>--station działa z jednym kablem, a wymienionych portów jest %1: %2. Wskaż port kabla przez --port, np. --port %3; nic nie wysłano.</translation>
    </message>
    <message>
        <source>Station: on %1, the only port listed.</source>
        <extracomment>%1 is the port and its device.</extracomment>
        <translation>Stacja: na %1, jedynym porcie na liście.</translation>
    </message>
    <message>
        <source>%1 %2  %3  %4  (passed %5, failed %6)%7
</source>
        <extracomment>A station&apos;s result line: %1 PASS or FAIL, %2 the ESC&apos;s number in the run, %3 its model, %4 the port; %5 and %6 the counts so far, %7 nothing or &quot;: error N: what went wrong&quot;.</extracomment>
        <translation>%1 %2  %3  %4  (udane %5, nieudane %6)%7
</translation>
    </message>
    <message>
        <source>: error %1: %2</source>
        <translation>: błąd %1: %2</translation>
    </message>
    <message>
        <source>Station: the record of this run goes to %1</source>
        <extracomment>%1 is the record file.</extracomment>
        <translation>Stacja: dziennik tego przebiegu trafia do %1</translation>
    </message>
    <message>
        <source>Station: finishing the ESC being programmed; Ctrl+C again ends at once.</source>
        <translation>Stacja: kończę programowanie bieżącego ESC; ponowne Ctrl+C kończy natychmiast.</translation>
    </message>
    <message>
        <source>Station: %1: cut short by Ctrl+C while programming: the ESC may hold part of the new settings; program it again.</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>Stacja: %1: przerwano przez Ctrl+C podczas programowania: ESC może zawierać część nowych ustawień; zaprogramuj go ponownie.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 The station stops.</source>
        <extracomment>%1 says why the record could not be written.</extracomment>
        <translation>orvesc-cli: %1 Stacja kończy pracę.</translation>
    </message>
    <message>
        <source>Station: unplug the ESC.</source>
        <translation>Stacja: odłącz ESC.</translation>
    </message>
    <message>
        <source>Station: another ESC is on the cable.</source>
        <translation>Stacja: na kablu jest inny ESC.</translation>
    </message>
    <message>
        <source>Station: plug in the next ESC.</source>
        <translation>Stacja: podłącz następny ESC.</translation>
    </message>
    <message>
        <source>Station: plug in an ESC; Ctrl+C ends.</source>
        <translation>Stacja: podłącz ESC; Ctrl+C kończy.</translation>
    </message>
    <message>
        <source>Station ended: %1 passed, %2 failed
</source>
        <translation>Stacja zakończona: udane %1, nieudane %2
</translation>
    </message>
    <message>
        <source>The trace file %1 cannot be written: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie można zapisać pliku śladu %1: %2.</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, it was programmed with %4
</source>
        <extracomment>%1 the port, %2 the setting&apos;s caption, %3 the entry the ESC reports, %4 the entry programmed.</extracomment>
        <translation>%1: %2: ESC ma %3, zaprogramowano %4
</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, the file has %4
</source>
        <translation>%1: %2: ESC ma %3, plik ma %4
</translation>
    </message>
    <message>
        <source>the settings before the write are kept in %1</source>
        <extracomment>%1 is the backup file.</extracomment>
        <translation>ustawienia sprzed zapisu zachowano w %1</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Add --allow-other-model to compare what fits.</source>
        <extracomment>%1 and %3 are model names, %2 and %4 their model codes.</extracomment>
        <translation>Plik zawiera ustawienia %1 (kod modelu %2), ale ESC to %3 (kod modelu %4). Dodaj --allow-other-model, aby porównać to, co pasuje.</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Nothing was sent; add --allow-other-model to use what fits.</source>
        <translation>Plik zawiera ustawienia %1 (kod modelu %2), ale ESC to %3 (kod modelu %4). Nic nie wysłano; dodaj --allow-other-model, aby użyć tego, co pasuje.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Odrzucono: %1</translation>
    </message>
    <message>
        <source>Refused, nothing was sent: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Odrzucono, nic nie wysłano: %1</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it was not compared</source>
        <extracomment>%1 is the model&apos;s name, %2 the file&apos;s settings it lacks (&quot;CAPTION: entry&quot;, comma-separated).</extracomment>
        <translation>%1 nie oferuje %2; nie porównano tego ustawienia</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they were not compared</source>
        <translation>%1 nie oferuje %2; nie porównano tych ustawień</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it keeps its value</source>
        <translation>%1 nie oferuje %2; ustawienie pozostaje bez zmian</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they keep their value</source>
        <translation>%1 nie oferuje %2; ustawienia pozostają bez zmian</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <extracomment>%1 says why the file cannot be used.</extracomment>
        <translation>%1 Nic nie wysłano.</translation>
    </message>
    <message>
        <source>the %1 holds the settings of %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>%1 zawiera ustawienia z %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting differs from %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>
            <numerusform>%n ustawienie różni się od pliku %1</numerusform>
            <numerusform>%n ustawienia różnią się od pliku %1</numerusform>
            <numerusform>%n ustawień różni się od pliku %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ from %1</source>
        <translation>
            <numerusform>%n ustawienie różni się od pliku %1</numerusform>
            <numerusform>%n ustawienia różnią się od pliku %1</numerusform>
            <numerusform>%n ustawień różni się od pliku %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found, settings read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>Znaleziono %1, odczytano ustawienia</translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n setting would change), nothing sent</source>
        <extracomment>%1 the number of command bytes, %2 the model&apos;s name; %n settings would change.</extracomment>
        <translation>
            <numerusform>próba na sucho: wypisano bajty poleceń (%1) dla %2 (zmieniłoby się %n ustawienie), nic nie wysłano</numerusform>
            <numerusform>próba na sucho: wypisano bajty poleceń (%1) dla %2 (zmieniłyby się %n ustawienia), nic nie wysłano</numerusform>
            <numerusform>próba na sucho: wypisano bajty poleceń (%1) dla %2 (zmieniłoby się %n ustawień), nic nie wysłano</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n settings would change), nothing sent</source>
        <translation>
            <numerusform>próba na sucho: wypisano bajty poleceń (%1) dla %2 (zmieniłoby się %n ustawienie), nic nie wysłano</numerusform>
            <numerusform>próba na sucho: wypisano bajty poleceń (%1) dla %2 (zmieniłyby się %n ustawienia), nic nie wysłano</numerusform>
            <numerusform>próba na sucho: wypisano bajty poleceń (%1) dla %2 (zmieniłoby się %n ustawień), nic nie wysłano</numerusform>
        </translation>
    </message>
    <message>
        <source>Command %1 of %2 (%3) failed: %4</source>
        <extracomment>%1 the command&apos;s number, %2 how many there are, %3 its byte, %4 what went wrong.</extracomment>
        <translation>Polecenie %1 z %2 (%3) nie powiodło się: %4</translation>
    </message>
    <message>
        <source>The run was cut short.</source>
        <translation>Przebieg został przerwany.</translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>gotowe: zaprogramowano %1 (bez weryfikacji), zmieniono %n ustawienie</numerusform>
            <numerusform>gotowe: zaprogramowano %1 (bez weryfikacji), zmieniono %n ustawienia</numerusform>
            <numerusform>gotowe: zaprogramowano %1 (bez weryfikacji), zmieniono %n ustawień</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n settings changed</source>
        <translation>
            <numerusform>gotowe: zaprogramowano %1 (bez weryfikacji), zmieniono %n ustawienie</numerusform>
            <numerusform>gotowe: zaprogramowano %1 (bez weryfikacji), zmieniono %n ustawienia</numerusform>
            <numerusform>gotowe: zaprogramowano %1 (bez weryfikacji), zmieniono %n ustawień</numerusform>
        </translation>
    </message>
    <message>
        <source>Programmed, but the read-back failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Zaprogramowano, ale odczyt kontrolny nie powiódł się: %1</translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n setting</source>
        <translation>
            <numerusform>Odczyt kontrolny różni się w %n ustawieniu</numerusform>
            <numerusform>Odczyt kontrolny różni się w %n ustawieniach</numerusform>
            <numerusform>Odczyt kontrolny różni się w %n ustawieniach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n settings</source>
        <translation>
            <numerusform>Odczyt kontrolny różni się w %n ustawieniu</numerusform>
            <numerusform>Odczyt kontrolny różni się w %n ustawieniach</numerusform>
            <numerusform>Odczyt kontrolny różni się w %n ustawieniach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>gotowe: zaprogramowano i zweryfikowano %1, zmieniono %n ustawienie</numerusform>
            <numerusform>gotowe: zaprogramowano i zweryfikowano %1, zmieniono %n ustawienia</numerusform>
            <numerusform>gotowe: zaprogramowano i zweryfikowano %1, zmieniono %n ustawień</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n settings changed</source>
        <translation>
            <numerusform>gotowe: zaprogramowano i zweryfikowano %1, zmieniono %n ustawienie</numerusform>
            <numerusform>gotowe: zaprogramowano i zweryfikowano %1, zmieniono %n ustawienia</numerusform>
            <numerusform>gotowe: zaprogramowano i zweryfikowano %1, zmieniono %n ustawień</numerusform>
        </translation>
    </message>
    <message>
        <source>(changes)</source>
        <translation>(zmiany)</translation>
    </message>
    <message>
        <source>(the ESC has %1)</source>
        <extracomment>%1 is the entry the ESC has now.</extracomment>
        <translation>(ESC ma %1)</translation>
    </message>
    <message>
        <source>the settings before the write cannot be backed up (%1); note the codes the ESC reported: %2</source>
        <extracomment>%1 says why, %2 lists the codes.</extracomment>
        <translation>nie można zrobić kopii zapasowej ustawień sprzed zapisu (%1); zanotuj kody zgłoszone przez ESC: %2</translation>
    </message>
    <message>
        <source>%1 (command %2 of %3, %4)</source>
        <extracomment>Names a command of a programming run: %1 the setting&apos;s caption and entry, %2 its number, %3 how many there are, %4 its byte.</extracomment>
        <translation>%1 (polecenie %2 z %3, %4)</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the ones after it were not programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer, %3 the echo it should have sent.</extracomment>
        <translation>ESC odpowiedział na %1 wartością %2 zamiast echa %3; nie wiadomo, czy je zapisał, następnych poleceń nie zaprogramowano.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed.</source>
        <translation>ESC odpowiedział na %1 wartością %2 zamiast echa %3; nie wiadomo, czy je zapisał, ustawienia przed nim zostały zaprogramowane.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed, the ones after it were not.</source>
        <translation>ESC odpowiedział na %1 wartością %2 zamiast echa %3; nie wiadomo, czy je zapisał, ustawienia przed nim zostały zaprogramowane, a następne nie.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer.</extracomment>
        <translation>ESC odrzucił %1: odpowiedział %2 zamiast 0x01; nic nie zaprogramowano.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed.</source>
        <translation>ESC odrzucił %1: odpowiedział %2 zamiast 0x01; ustawienia przed nim zostały zaprogramowane.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed, the ones after it were not.</source>
        <translation>ESC odrzucił %1: odpowiedział %2 zamiast 0x01; ustawienia przed nim zostały zaprogramowane, a następne nie.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1
Try &apos;%2&apos;.
</source>
        <extracomment>%1 says what is wrong, %2 is the help command to run.</extracomment>
        <translation>orvesc-cli: %1
Spróbuj &apos;%2&apos;.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: did you mean %2?</source>
        <translation>nieznane polecenie &quot;%1&quot;: czy chodziło o %2?</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: the commands are %2.</source>
        <translation>nieznane polecenie &quot;%1&quot;: dostępne polecenia to %2.</translation>
    </message>
    <message>
        <source>unknown option %1%2.</source>
        <translation>nieznana opcja %1%2.</translation>
    </message>
    <message>
        <source>unknown option %1%2: did you mean --%3?</source>
        <translation>nieznana opcja %1%2: czy chodziło o --%3?</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>nieoczekiwany argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 nie dotyczy %2.</translation>
    </message>
    <message>
        <source>%1 applies only to %2.</source>
        <translation>%1 dotyczy tylko %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: give a COM number (COM3 or 3, 1 to 255) or a device path such as /dev/ttyUSB0.</source>
        <translation>&quot;%1&quot; nie jest portem: podaj numer COM (COM3 lub 3, od 1 do 255) albo ścieżkę urządzenia, np. /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>--expect takes the number of ESCs that must answer, such as --expect 4; &quot;%1&quot; is none.</source>
        <translation>--expect przyjmuje liczbę ESC, które muszą odpowiedzieć, np. --expect 4; &quot;%1&quot; nie jest liczbą.</translation>
    </message>
    <message>
        <source>--expect counts the ESCs that --all finds: add --all.</source>
        <translation>--expect liczy ESC znalezione przez --all: dodaj --all.</translation>
    </message>
    <message>
        <source>give either --port or --all, not both.</source>
        <translation>podaj --port albo --all, nie oba naraz.</translation>
    </message>
    <message>
        <source>verify needs a settings file: orvesc-cli verify FILE.</source>
        <translation>verify wymaga pliku ustawień: orvesc-cli verify FILE.</translation>
    </message>
    <message>
        <source>write needs a settings file, --set KEY=ENTRY, or both: nothing to write.</source>
        <translation>write wymaga pliku ustawień, --set KEY=ENTRY albo obu: nie ma nic do zapisania.</translation>
    </message>
    <message>
        <source>-o writes one ESC&apos;s settings: give one --port, or use --json.</source>
        <translation>-o zapisuje ustawienia jednego ESC: podaj jeden --port albo użyj --json.</translation>
    </message>
    <message>
        <source>--station works on one cable: give at most one --port, and no --all.</source>
        <translation>--station działa z jednym kablem: podaj co najwyżej jeden --port i nie używaj --all.</translation>
    </message>
    <message>
        <source>--record keeps the record of a station&apos;s run: add --station.</source>
        <translation>--record zachowuje dziennik przebiegu stacji: dodaj --station.</translation>
    </message>
    <message>
        <source>--station programs every ESC it meets: drop --dry-run.</source>
        <translation>--station programuje każdy podłączony ESC: usuń --dry-run.</translation>
    </message>
    <message>
        <source>--dry-run sends nothing, so there is nothing to verify: drop --no-verify.</source>
        <translation>--dry-run niczego nie wysyła, więc nie ma czego weryfikować: usuń --no-verify.</translation>
    </message>
    <message>
        <source>(linked as %1)</source>
        <extracomment>%1 is the file the port is linked as.</extracomment>
        <translation>(dowiązany jako %1)</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 Nothing was sent.</source>
        <extracomment>%1 says why the record cannot be written.</extracomment>
        <translation>orvesc-cli: %1 Nic nie wysłano.</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation>Zapisz diagnostykę...</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>latency timer %1 ms</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>nr seryjny %1</translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation>Diagnostyka %1 %2, zapisano %3</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (skompilowane z %2)</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>System: %1, jądro %2 %3, %4</translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation>Porty (od COM%1 do COM%2):</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  brak</translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation>Ruch (zdarzenia: %1, pominięte starsze: %2; sekundy od uruchomienia):</translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Nie można zapisać diagnostyki do %1: %2. Wybierz inny folder i zapisz ponownie.</translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation>Zapisz diagnostykę</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>OFF</source>
        <extracomment>A drop-down entry: keep it as short. The setting is off.</extracomment>
        <translation>WYŁ.</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>A drop-down entry: keep it as short. The setting is on.</extracomment>
        <translation>WŁ.</translation>
    </message>
    <message>
        <source>SOFT</source>
        <extracomment>A drop-down entry: keep it as short. A soft brake or a soft timing.</extracomment>
        <translation>MIĘKKI</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>A drop-down entry: keep it as short. A hard timing.</extracomment>
        <translation>TWARDY</translation>
    </message>
    <message>
        <source>AUTO</source>
        <extracomment>A drop-down entry: keep it as short. The ESC picks the timing itself.</extracomment>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>STOP MOTOR</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the motor stops.</extracomment>
        <translation>STOP SILNIKA</translation>
    </message>
    <message>
        <source>REDUCE POWER</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the power is reduced.</extracomment>
        <translation>REDUKCJA MOCY</translation>
    </message>
    <message>
        <source>NO CUT</source>
        <extracomment>A drop-down entry: keep it as short. The motor is never cut at low voltage.</extracomment>
        <translation>BEZ ODC.</translation>
    </message>
    <message>
        <source>ON RANGE 1</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, first speed range.</extracomment>
        <translation>WŁ. ZAKRES 1</translation>
    </message>
    <message>
        <source>ON RANGE 2</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, second speed range.</extracomment>
        <translation>WŁ. ZAKRES 2</translation>
    </message>
    <message>
        <source>ON RANGE 3</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, third speed range.</extracomment>
        <translation>WŁ. ZAKRES 3</translation>
    </message>
    <message>
        <source>GASMODE</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, in its gas mode.</extracomment>
        <translation>TRYB GAZ</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.</extracomment>
        <translation>POZIOM1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.</extracomment>
        <translation>POZIOM2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.</extracomment>
        <translation>POZIOM3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.</extracomment>
        <translation>POZIOM4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.</extracomment>
        <translation>POZIOM5</translation>
    </message>
    <message>
        <source>LEVEL6</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.</extracomment>
        <translation>POZIOM6</translation>
    </message>
    <message>
        <source>LEVEL7</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.</extracomment>
        <translation>POZIOM7</translation>
    </message>
    <message>
        <source>LEVEL8</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.</extracomment>
        <translation>POZIOM8</translation>
    </message>
    <message>
        <source>LEVEL9</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.</extracomment>
        <translation>POZIOM9</translation>
    </message>
    <message>
        <source>LEVEL10</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.</extracomment>
        <translation>POZIOM10</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>A drop-down entry: keep it as short. The model has no acceleration delay setting.</extracomment>
        <translation>Nieaktywne</translation>
    </message>
    <message>
        <source>Ni</source>
        <extracomment>A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside &quot;2S Li&quot; and the like.</extracomment>
        <translation>Ni</translation>
    </message>
    <message>
        <source>(no choice)</source>
        <extracomment>What a list names when none of its entries is chosen.</extracomment>
        <translation>(nie wybrano)</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM control off.</source>
        <translation>Co ESC robi z silnikiem przy zamkniętym gazie: WYŁ. pozwala mu obracać się swobodnie, WŁ. i MIĘKKI go hamują. Hamulec i regulacja obrotów wykluczają się: wybór hamulca wyłącza regulację obrotów.</translation>
    </message>
    <message>
        <source>The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li to 12S Li). Changing it resets the cutoff voltage, so choose the battery first.</source>
        <translation>Bateria, z której zasilany jest ESC: Ni dla ogniw niklowych albo liczba ogniw litowych (od 2S Li do 12S Li). Jej zmiana resetuje napięcie odcięcia, więc najpierw wybierz baterię.</translation>
    </message>
    <message>
        <source>The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. The lowest voltage counts as a hard cut, with which RPM control cannot be on.</source>
        <translation>Napięcie na celę, przy którym ESC reaguje na rozładowaną baterię tak, jak określa tryb odcięcia. Najniższe napięcie liczy się jako twarde odcięcie, przy którym regulacja obrotów nie może być włączona.</translation>
    </message>
    <message>
        <source>What the ESC does when the battery falls to the cutoff voltage. RPM control needs a cutoff: NO CUT switches it off.</source>
        <translation>Co ESC robi, gdy napięcie baterii spadnie do napięcia odcięcia. Regulacja obrotów wymaga odcięcia: BEZ ODC. ją wyłącza.</translation>
    </message>
    <message>
        <source>Starts the motor gently rather than at full power at once. RPM control needs soft start: OFF switches RPM control off, and turning RPM control on switches soft start on.</source>
        <translation>Uruchamia silnik łagodnie zamiast od razu pełną mocą. Regulacja obrotów wymaga miękkiego startu: WYŁ. wyłącza regulację obrotów, a włączenie regulacji obrotów włącza miękki start.</translation>
    </message>
    <message>
        <source>The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer fixed angles. Which timing suits a motor, see the motor&apos;s or the ESC&apos;s manual.</source>
        <translation>Timing silnika: AUTO pozostawia go ESC; modele na 10 i 12 ogniw oferują też stałe kąty. Jaki timing pasuje do silnika – patrz instrukcja silnika lub ESC.</translation>
    </message>
    <message>
        <source>The frequency at which the ESC switches the motor&apos;s power. Which suits a motor, see the ESC&apos;s manual. The W models have a warn voltage in its place.</source>
        <translation>Częstotliwość, z jaką ESC przełącza zasilanie silnika. Jaka pasuje do silnika – patrz instrukcja ESC. Modele W mają w tym miejscu napięcie ostrzegawcze.</translation>
    </message>
    <message>
        <source>Offered by the W models in place of the frequency. What the ESC warns of at this voltage, and how, see the ESC&apos;s manual.</source>
        <translation>Dostępne w modelach W zamiast częstotliwości. Przed czym i w jaki sposób ESC ostrzega przy tym napięciu – patrz instrukcja ESC.</translation>
    </message>
    <message>
        <source>ON makes the motor turn the other way round.</source>
        <translation>WŁ. sprawia, że silnik obraca się w przeciwną stronę.</translation>
    </message>
    <message>
        <source>Keeps the motor&apos;s speed under the ESC&apos;s control, in one of its ranges (see the ESC&apos;s manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to REDUCE POWER.</source>
        <translation>Utrzymuje obroty silnika pod kontrolą ESC, w jednym z jego zakresów (patrz instrukcja ESC). Nie działa z hamulcem, bez miękkiego startu, z BEZ ODC. ani z najniższym napięciem odcięcia: jej włączenie wyłącza hamulec, włącza miękki start i zmienia STOP SILNIKA na REDUKCJA MOCY.</translation>
    </message>
    <message>
        <source>How quickly the motor may follow the throttle, in ten levels; what each level means, see the ESC&apos;s manual. Only the R9 models for 10 and 12 cells have it.</source>
        <translation>Jak szybko silnik może nadążać za gazem, w dziesięciu poziomach; co oznacza każdy poziom – patrz instrukcja ESC. Mają je tylko modele R9 na 10 i 12 ogniw.</translation>
    </message>
    <message>
        <source>A softer brake than ON; how soft, see the ESC&apos;s manual. It counts as a brake: RPM control is switched off.</source>
        <translation>Łagodniejszy hamulec niż WŁ.; jak łagodny – patrz instrukcja ESC. Liczy się jako hamulec: regulacja obrotów zostaje wyłączona.</translation>
    </message>
    <message>
        <source>Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per cell.</source>
        <translation>Ogniwa niklowe: lista odcięcia oferuje wtedy napięcia dla ogniw niklowych, od 0.6 V do 0.9 V na ogniwo.</translation>
    </message>
    <message>
        <source>The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE POWER.</source>
        <translation>Silnik zatrzymuje się przy napięciu odcięcia. Włączenie regulacji obrotów zmienia to na REDUKCJA MOCY.</translation>
    </message>
    <message>
        <source>The ESC reduces the motor&apos;s power at the cutoff voltage instead of stopping it.</source>
        <translation>ESC zmniejsza moc silnika przy napięciu odcięcia zamiast go zatrzymywać.</translation>
    </message>
    <message>
        <source>No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control is switched off.</source>
        <translation>Bez odcięcia: ESC napędza silnik bez względu na to, jak nisko spadnie napięcie baterii. Regulacja obrotów zostaje wyłączona.</translation>
    </message>
    <message>
        <source>A fixed soft timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Stały miękki timing; jego kąt – patrz instrukcja ESC.</translation>
    </message>
    <message>
        <source>A fixed hard timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Stały twardy timing; jego kąt – patrz instrukcja ESC.</translation>
    </message>
    <message>
        <source>The ESC chooses the timing itself.</source>
        <translation>ESC sam dobiera timing.</translation>
    </message>
    <message>
        <source>Offered by the R9 models besides the ranges; it counts as RPM control on. What it does, see the ESC&apos;s manual.</source>
        <translation>Dostępne w modelach R9 obok zakresów; liczy się jako włączona regulacja obrotów. Co robi – patrz instrukcja ESC.</translation>
    </message>
    <message>
        <source>This model has no acceleration delay.</source>
        <translation>Ten model nie ma opóźnienia przyspieszenia.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>These ports could not be opened, so no ESC was looked for there:</source>
        <extracomment>Followed by one line per port saying why it could not be opened.</extracomment>
        <translation>Tych portów nie udało się otworzyć, więc nie szukano na nich ESC:</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and press CONNECT.</source>
        <extracomment>COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0). CONNECT is a button: use its translated name.</extracomment>
        <translation>Port ESC COM%1 (%2) zniknął: podłącz ponownie kabel i naciśnij POŁĄCZ.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and run the command again.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Port ESC COM%1 (%2) zniknął: podłącz ponownie kabel i uruchom polecenie jeszcze raz.</translation>
    </message>
    <message>
        <source>The setting code %1 cannot be sent: a command is one byte, 0 to 255. Nothing was sent to the ESC.</source>
        <extracomment>%1 is the number that was to be sent.</extracomment>
        <translation>Nie można wysłać kodu ustawienia %1: polecenie to jeden bajt, od 0 do 255. Nic nie wysłano do ESC.</translation>
    </message>
    <message>
        <source>Orvantis Controller Not Found!<byte value="xd"/><byte value="xd"/>• Check the PC Cable Adapter&apos;s connector orientation at your ESC<byte value="xd"/><byte value="xd"/>• Check Windows Device Manager to insure that device drivers for<byte value="xd"/>  your USB Adapter cable are properly loaded, and that a Serial Port<byte value="xd"/>  has been created by the USB adapter</source>
        <extracomment>A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a maker&apos;s name; Device Manager is the name of the Windows program.</extracomment>
        <translation>Nie znaleziono regulatora Orvantis!<byte value="xd"/><byte value="xd"/>• Sprawdź orientację wtyczki adaptera kabla PC przy ESC<byte value="xd"/><byte value="xd"/>• Sprawdź w Menedżerze urządzeń systemu Windows, czy sterowniki<byte value="xd"/>  kabla adaptera USB są poprawnie załadowane i czy adapter USB<byte value="xd"/>  utworzył port szeregowy</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Błąd komunikacji</translation>
    </message>
    <message>
        <source>No COM port is selected: the port list is empty, or the selected entry has no port number (only the first ten listed ports can be used).</source>
        <extracomment>COM port: a serial port as the port list names it (COM1, COM2...).</extracomment>
        <translation>Nie wybrano portu COM: lista portów jest pusta albo wybrana pozycja nie ma numeru portu (można używać tylko pierwszych dziesięciu portów z listy).</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Na liście nie ma portu szeregowego: podłącz kabel interfejsu PC.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports. Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>%n is the number of ports searched, always 2 or more.</extracomment>
        <translation>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów. Sprawdź orientację wtyczki kabla przy ESC i czy ESC jest zasilany.</numerusform>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów. Sprawdź orientację wtyczki kabla przy ESC i czy ESC jest zasilany.</numerusform>
            <numerusform>Żaden ESC nie odpowiedział na żadnym z %n wymienionych portów. Sprawdź orientację wtyczki kabla przy ESC i czy ESC jest zasilany.</numerusform>
        </translation>
    </message>
    <message>
        <source>No ESC answered on COM%1 (%2). Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Żaden ESC nie odpowiedział na COM%1 (%2). Sprawdź orientację wtyczki kabla przy ESC i czy ESC jest zasilany.</translation>
    </message>
    <message>
        <source>the reply began with 0x00.</source>
        <extracomment>The command line&apos;s reason why a read failed, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>odpowiedź zaczęła się od 0x00.</translation>
    </message>
    <message>
        <source>the run was cut short.</source>
        <extracomment>The command line&apos;s reason why a run ended, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>przebieg został przerwany.</translation>
    </message>
    <message>
        <source>Backups are off until OrvESC is started again: the settings cannot be saved in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have backups.</source>
        <extracomment>A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Kopie zapasowe są wyłączone do ponownego uruchomienia OrvESC: nie można zapisać ustawień w<byte value="xd"/>%1<byte value="xd"/>(%2). POŁĄCZ, PROGRAMUJ i DOMYŚLNE działają jak dotąd; nadaj folderowi prawo zapisu, aby tworzyć kopie zapasowe.</translation>
    </message>
    <message>
        <source>backups are off for this run: the settings cannot be saved in %1 (%2); the write goes on. Make the folder writable to have backups.</source>
        <extracomment>A command-line note after the port&apos;s name and a colon, so it starts lower case. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;).</extracomment>
        <translation>kopie zapasowe są wyłączone w tym przebiegu: nie można zapisać ustawień w %1 (%2); zapis trwa dalej. Nadaj folderowi prawo zapisu, aby tworzyć kopie zapasowe.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>RPM Control Disabled with Brake</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Regulacja obrotów wyłączona z powodu hamulca</translation>
    </message>
    <message>
        <source>RPM Control Disabled with Hard Cut LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Regulacja obrotów wyłączona z powodu twardego odcięcia LVC</translation>
    </message>
    <message>
        <source>RPM Control Disabled without SoftStart</source>
        <extracomment>A message box after the user changed a setting.</extracomment>
        <translation>Regulacja obrotów wyłączona z powodu braku miękkiego startu</translation>
    </message>
    <message>
        <source>RPM Control Disabled without LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Regulacja obrotów wyłączona z powodu braku odcięcia LVC</translation>
    </message>
    <message>
        <source>Brake Disabled  / Softstart enabled with RPM Control</source>
        <extracomment>A message box after the user changed a setting: two corrections made at once.</extracomment>
        <translation>Hamulec wyłączony / miękki start włączony z powodu regulacji obrotów</translation>
    </message>
    <message>
        <source>The ESC reported settings that this tool cannot show (their lists are left empty):</source>
        <extracomment>The first line of a message box; one line per setting follows.</extracomment>
        <translation>ESC zgłosił ustawienia, których to narzędzie nie potrafi pokazać (ich listy pozostają puste):</translation>
    </message>
    <message>
        <source>No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.</source>
        <extracomment>The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Żadna kopia zapasowa nie przechowa tych kodów: zanotuj je, zanim PROGRAMUJ lub DOMYŚLNE je nadpisze.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation>Ustawienia OrvESC (*.orvesc.json);;Pliki JSON (*.json);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>No record file is named: name one.</source>
        <translation>Nie wskazano pliku dziennika: podaj jego nazwę.</translation>
    </message>
    <message>
        <source>The record file %1 is a folder: name a file.</source>
        <translation>Plik dziennika %1 jest folderem: wskaż plik.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be read: %2.</source>
        <translation>Nie można odczytać pliku dziennika %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a record of OrvESC&apos;s runs (its first line differs): name another file.</source>
        <translation>%1 nie jest dziennikiem przebiegów OrvESC (jego pierwszy wiersz jest inny): wskaż inny plik.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be written: %2.</source>
        <translation>Nie można zapisać pliku dziennika %1: %2.</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>process %1</source>
        <extracomment>A program holding a serial port, known only by its process number %1.</extracomment>
        <translation>proces %1</translation>
    </message>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a serial port: %1 its name, %2 its process number.</extracomment>
        <translation>%1, proces %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the programs of a list in parentheses: &quot;(minicom, process 12; process 14)&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the names of two system services, or of a list of them and one more: &quot;ModemManager and gpsd&quot;.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 is running and may hold it. Stop it with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 a system service&apos;s name, %3 its unit; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 jest używany przez inny program; działa %2, który może go blokować. Zatrzymaj go poleceniem: sudo systemctl stop %3, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 are running and may hold it. Stop them with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 the names of two or more system services, %3 their units; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 jest używany przez inny program; działają %2, które mogą go blokować. Zatrzymaj je poleceniem: sudo systemctl stop %3, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>There is no %1: no serial port or USB adapter has that number. Check that the adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM12).</extracomment>
        <translation>Nie ma %1: żaden port szeregowy ani adapter USB nie ma tego numeru. Sprawdź, czy adapter jest podłączony.</translation>
    </message>
    <message>
        <source>%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.</source>
        <extracomment>%1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.</extracomment>
        <translation>%1 nie jest numerem portu, którego to narzędzie może użyć: numery obejmują zakres od COM%2 do COM%3.</translation>
    </message>
    <message>
        <source>%1 is open: the port number can only change while the port is closed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 jest otwarty: numer portu można zmienić tylko wtedy, gdy port jest zamknięty.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting the serial port can take (it should read like 19200,N,8,1).</source>
        <extracomment>%1 is the text given; &quot;19200,N,8,1&quot; is a setting as the port takes it and stays as it is.</extracomment>
        <translation>&quot;%1&quot; nie jest ustawieniem linii, które port szeregowy może przyjąć (powinno wyglądać jak 19200,N,8,1).</translation>
    </message>
    <message>
        <source>%1 is not a read length (0 reads everything waiting).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 nie jest długością odczytu (0 odczytuje wszystko, co czeka).</translation>
    </message>
    <message>
        <source>%1 is not a read mode (0 text, 1 bytes).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 nie jest trybem odczytu (0 tekst, 1 bajty).</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1).</extracomment>
        <translation>%1 nie przyjmuje ustawień linii %2.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2: %3.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system&apos;s reason.</extracomment>
        <translation>%1 nie przyjmuje ustawień linii %2: %3.</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 jest już otwarty.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist. Check that the USB adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Nie można otworzyć %1: urządzenie nie istnieje. Sprawdź, czy adapter USB jest podłączony.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user. Ask the administrator of this computer for access to the device.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Ten użytkownik nie może otwierać %1. Poproś administratora tego komputera o dostęp do urządzenia.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user: access is granted to the group &quot;%2&quot;. Join it with: sudo usermod -aG %2 $USER, then log in again.</source>
        <extracomment>%1 is a port name (COM3), %2 a user group&apos;s name (dialout); &quot;sudo usermod -aG %2 $USER&quot; is a command and stays as it is.</extracomment>
        <translation>Ten użytkownik nie może otwierać %1: dostęp ma grupa &quot;%2&quot;. Dołącz do niej poleceniem: sudo usermod -aG %2 $USER, a potem zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this user may not write the port&apos;s lock file (in /var/lock or /tmp).</source>
        <extracomment>%1 is a port name (COM3); /var/lock and /tmp are folders.</extracomment>
        <translation>Nie można otworzyć %1: ten użytkownik nie może zapisać pliku blokady portu (w /var/lock lub /tmp).</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 jest używany przez inny program. Zamknij ten program albo wybierz inny port.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2). Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3), %2 the programs holding it (&quot;minicom, process 12&quot;).</extracomment>
        <translation>%1 jest używany przez inny program (%2). Zamknij ten program albo wybierz inny port.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not a serial port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Nie można otworzyć %1: to nie jest port szeregowy.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the system gave no reason.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Nie można otworzyć %1: system nie podał przyczyny.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Nie można otworzyć %1: %2.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: the USB adapter may have been unplugged.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Utracono połączenie z %1: adapter USB mógł zostać odłączony.</translation>
    </message>
    <message>
        <source>%1 is not open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 nie jest otwarty.</translation>
    </message>
    <message>
        <source>Sending to %1 failed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Wysyłanie do %1 nie powiodło się.</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Wysyłanie do %1 nie powiodło się: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Odczyt z %1 nie powiódł się: %2.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port %1 is gone.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Port ESC %1 zniknął.</translation>
    </message>
    <message>
        <source>%1 (linked as %2)</source>
        <extracomment>A port&apos;s tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).</extracomment>
        <translation>%1 (dowiązany jako %2)</translation>
    </message>
    <message>
        <source>The USB adapter %1 appeared and vanished again at once: brltty, a braille-display service, may be taking it. If you use no braille display, remove it with: sudo apt remove brltty, then plug the adapter in again.</source>
        <extracomment>%1 is the adapter&apos;s device (/dev/ttyUSB0); brltty is a program&apos;s name and &quot;sudo apt remove brltty&quot; a command: both stay as they are.</extracomment>
        <translation>Adapter USB %1 pojawił się i od razu zniknął: może go przejmować brltty, usługa obsługi monitorów brajlowskich. Jeśli nie używasz monitora brajlowskiego, usuń ją poleceniem: sudo apt remove brltty, a potem podłącz adapter ponownie.</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>the %1 has no %2 setting</source>
        <extracomment>%1 is the ESC&apos;s model, %2 a setting&apos;s caption (&quot;BRAKE&quot;).</extracomment>
        <translation>%1 nie ma ustawienia %2</translation>
    </message>
    <message>
        <source>%1: the %2 has no entry &quot;%3&quot;. Its entries: %4</source>
        <extracomment>%1 is a setting&apos;s caption, %2 the ESC&apos;s model, %3 the entry asked for, %4 the list&apos;s entries.</extracomment>
        <translation>%1: %2 nie ma opcji &quot;%3&quot;. Jego opcje: %4</translation>
    </message>
    <message>
        <source>the setting rules would change %1. Ask for a combination the rules allow</source>
        <extracomment>%1 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*, BRAKE: ON -&gt; OFF*&quot;.</extracomment>
        <translation>reguły ustawień zmieniłyby %1. Wybierz kombinację dozwoloną przez reguły</translation>
    </message>
    <message>
        <source>%1: the setting rules would change %2. Ask for a combination the rules allow</source>
        <extracomment>%1 quotes what the rules said, %2 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*&quot;.</extracomment>
        <translation>%1: reguły ustawień zmieniłyby %2. Wybierz kombinację dozwoloną przez reguły</translation>
    </message>
    <message>
        <source>model code %1</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>kod modelu %1</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2, for which the list has no entry; give one</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a code such as 0x9F.</extracomment>
        <translation>%1: ESC zgłosił kod %2, dla którego lista nie ma opcji; podaj ją</translation>
    </message>
</context>
<context>
    <name>SettingsCompare</name>
    <message>
        <source>code %1</source>
        <extracomment>A setting&apos;s value that no entry of the list stands for; %1 is the number.</extracomment>
        <translation>kod %1</translation>
    </message>
    <message>
        <source>%1: the ESC has %2, the list shows %3</source>
        <extracomment>%1 is a setting&apos;s caption, %2 what the ESC reported, %3 what the list shows (entries or codes).</extracomment>
        <translation>%1: ESC ma %2, lista pokazuje %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>unknown key %1 is ignored</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>nieznany klucz %1 jest pomijany</translation>
    </message>
    <message>
        <source>unknown key %1 in &quot;model&quot; is ignored</source>
        <translation>nieznany klucz %1 w &quot;model&quot; jest pomijany</translation>
    </message>
    <message>
        <source>unknown key %1 in the setting %2 is ignored</source>
        <extracomment>%1 is a JSON key in quotes, %2 the setting&apos;s key in quotes (&quot;brake&quot;).</extracomment>
        <translation>nieznany klucz %1 w ustawieniu %2 jest pomijany</translation>
    </message>
    <message>
        <source>model (%1)</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>model (%1)</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 a number, %3 the setting&apos;s caption, %4 the model.</extracomment>
        <translation>ustawienie %1 ma kod %2, który nie jest opcją %3 dla %4</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery</source>
        <extracomment>%5 is the battery&apos;s chemistry, Li or Ni.</extracomment>
        <translation>ustawienie %1 ma kod %2, który nie jest opcją %3 dla %4 z baterią %5</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery</source>
        <extracomment>The cutoff kept for the battery family not in use; %5 is that family&apos;s chemistry, Li or Ni.</extracomment>
        <translation>ustawienie %1 ma kod %2, który nie jest opcją %3 dla %4 przy baterii %5</translation>
    </message>
    <message>
        <source>the setting %1 is not an object with &quot;code&quot; and &quot;text&quot;</source>
        <extracomment>%1 is the setting&apos;s key in quotes; &quot;code&quot; and &quot;text&quot; are the file&apos;s keys.</extracomment>
        <translation>ustawienie %1 nie jest obiektem z &quot;code&quot; i &quot;text&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;code&quot;</source>
        <translation>ustawienie %1 nie ma &quot;code&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, not a whole number from 0 to 255</source>
        <extracomment>%2 is the code as the file holds it.</extracomment>
        <translation>ustawienie %1 ma kod %2, który nie jest liczbą całkowitą od 0 do 255</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;text&quot;; its code %2 stands for %3</source>
        <extracomment>%2 is a number, %3 the list&apos;s entry in quotes.</extracomment>
        <translation>ustawienie %1 nie ma &quot;text&quot;; jego kod %2 oznacza %3</translation>
    </message>
    <message>
        <source>the setting %1 has text %2 but its code %3 stands for %4; correct the text or the code</source>
        <extracomment>%2 is the text the file holds, %3 a number, %4 the list&apos;s entry; both texts in quotes.</extracomment>
        <translation>ustawienie %1 ma tekst %2, ale jego kod %3 oznacza %4; popraw tekst lub kod</translation>
    </message>
    <message>
        <source>it holds the setting %1, which %2 does not have</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 the model.</extracomment>
        <translation>zawiera ustawienie %1, którego %2 nie ma</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its JSON text is no object)</source>
        <translation>to nie jest plik ustawień OrvESC (jego tekst JSON nie jest obiektem)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (it has no &quot;format&quot;)</source>
        <translation>to nie jest plik ustawień OrvESC (nie ma &quot;format&quot;)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its format is %1, not %2)</source>
        <extracomment>%1 is the format the file names, %2 the one OrvESC writes, both in quotes.</extracomment>
        <translation>to nie jest plik ustawień OrvESC (jego format to %1, a nie %2)</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or not a whole number from 1 up</source>
        <translation>brakuje jego &quot;version&quot; albo nie jest ona liczbą całkowitą od 1 wzwyż</translation>
    </message>
    <message>
        <source>it has format version %1, newer than the version %2 this OrvESC reads; open it with a newer OrvESC</source>
        <extracomment>%1 is the file&apos;s format version, %2 the newest this OrvESC reads.</extracomment>
        <translation>ma wersję formatu %1, nowszą niż wersja %2 obsługiwana przez ten OrvESC; otwórz go nowszym OrvESC</translation>
    </message>
    <message>
        <source>it names no &quot;model&quot;</source>
        <translation>nie wskazuje &quot;model&quot;</translation>
    </message>
    <message>
        <source>its model has no whole-number &quot;code&quot;</source>
        <translation>jego model nie ma całkowitoliczbowego &quot;code&quot;</translation>
    </message>
    <message>
        <source>its model code %1 is not a model this tool knows</source>
        <extracomment>%1 is the model code the file holds.</extracomment>
        <translation>jego kod modelu %1 nie należy do modelu znanego temu narzędziu</translation>
    </message>
    <message>
        <source>it has no &quot;settings&quot; object</source>
        <translation>nie ma obiektu &quot;settings&quot;</translation>
    </message>
    <message>
        <source>the setting %1 is missing</source>
        <extracomment>%1 is the setting&apos;s key in quotes.</extracomment>
        <translation>brakuje ustawienia %1</translation>
    </message>
    <message>
        <source>the model code %1 is not one the tool knows by name, so no settings file can hold it</source>
        <translation>kod modelu %1 nie jest znany temu narzędziu z nazwy, więc żaden plik ustawień nie może go przechować</translation>
    </message>
    <message>
        <source>no choice is selected for %1</source>
        <extracomment>%1 lists the captions of the settings, &quot;BRAKE, TIMING MODE&quot;.</extracomment>
        <translation>nie wybrano opcji dla %1</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>%1 is the file&apos;s size in bytes.</extracomment>
        <translation>jest większy niż 64 KiB (rozmiar: %1 B), o wiele za duży jak na plik ustawień</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>to nie jest tekst JSON</translation>
    </message>
    <message>
        <source>%1 shows an entry that stands for no code of this model: %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1 pokazuje opcję, która nie odpowiada żadnemu kodowi tego modelu: %2</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1: ESC zgłosił kod %2</translation>
    </message>
    <message>
        <source>the key %1 appears twice in one place</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>klucz %1 występuje dwa razy w jednym miejscu</translation>
    </message>
    <message>
        <source>it ends before its JSON text does (the file is cut short)</source>
        <translation>kończy się przed końcem tekstu JSON (plik jest ucięty)</translation>
    </message>
    <message>
        <source>it is not JSON text (error at %1)</source>
        <extracomment>%1 is a place in the file, &quot;line 3, column 14&quot;.</extracomment>
        <translation>to nie jest tekst JSON (błąd w miejscu: %1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>it nests values deeper than a settings file does</source>
        <translation>zagnieżdża wartości głębiej, niż robi to plik ustawień</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>Nie można użyć pliku ustawień<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>Listy pozostają bez zmian.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Otwórz ustawienia</translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation>Nie ma jeszcze kopii zapasowych. Każde użycie POŁĄCZ, które odczytuje ustawienia ESC, zapisuje je w<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Przywróć kopię zapasową</translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation>Ten plik zawiera ustawienia %1, a podłączony ESC to %2. Ustawienia, których nie oferuje, zachowują swój wybór.</translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation>Sprawdź, czy w pliku nie ma literówek: %1.</translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation>Listy już pokazują ustawienia z tego pliku.</translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation>Podłączony ESC nie oferuje:</translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation>Te ustawienia zostaną zmienione:</translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation>Następnie naciśnij PROGRAMUJ, aby zapisać je w ESC.</translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation>Tych ustawień z pliku podłączony %1 nie oferuje, więc zachowują swój wybór:</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Nic nie zapisano: %1.</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Zapisz ustawienia jako</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation>Plik<byte value="xd"/>%1<byte value="xd"/>już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Nie udało się zapisać ustawień w<byte value="xd"/>%1<byte value="xd"/>(%2). Wybierz inne miejsce.</translation>
    </message>
</context>
<context>
    <name>StationProgramming</name>
    <message>
        <source>Refused: this is a %1, the settings are for a %2. Nothing was written.</source>
        <translation>Odrzucono: to jest %1, a ustawienia są dla %2. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>Not programmed: its settings could not be backed up (%1).</source>
        <translation>Nie zaprogramowano: nie udało się zrobić kopii zapasowej jego ustawień (%1).</translation>
    </message>
    <message>
        <source>no backup folder</source>
        <translation>brak folderu kopii zapasowych</translation>
    </message>
    <message>
        <source>Refused: %1. Nothing was written.</source>
        <translation>Odrzucono: %1. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: %2 (command %3 of %4).</source>
        <translation>ESC odrzucił %1: %2 (polecenie %3 z %4).</translation>
    </message>
    <message>
        <source>No answer to %1: %2 (command %3 of %4).</source>
        <translation>Brak odpowiedzi na %1: %2 (polecenie %3 z %4).</translation>
    </message>
    <message>
        <source>Cut short.</source>
        <translation>Przerwano.</translation>
    </message>
    <message>
        <source>The read-back differs in %1.</source>
        <translation>Odczyt kontrolny różni się w: %1.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the folder cannot be created</source>
        <extracomment>Why backups cannot be saved, shown in parentheses after the backup folder&apos;s name.</extracomment>
        <translation>nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>nie istnieje</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>jest folderem, a nie plikiem</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is its size in bytes.</extracomment>
        <translation>jest większy niż 64 KiB (rozmiar: %1 B), o wiele za duży jak na plik ustawień</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is the system&apos;s reason.</extracomment>
        <translation>nie można go odczytać (%1)</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Nic nie porównano: nie wybrano opcji dla %1.</translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation>ESC zawiera pokazane ustawienia.</translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation>ESC przyjął wszystkie polecenia, ale odczyt kontrolny jego ustawień pokazuje różnice:</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>HAMULEC</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATERIA</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation>ODCIĘCIE V/CELĘ</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation>TRYB ODCIĘCIA</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>MIĘKKI START</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>TRYB TIMINGU</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>CZĘSTOTLIW.</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>REWERS SILNIKA</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>REG. RPM</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>OPÓŹN. PRZYSP.</translation>
    </message>
    <message>
        <source>CUTOFF</source>
        <translation>ODCIĘCIE</translation>
    </message>
    <message>
        <source>AUTOCUT</source>
        <translation>TRYB ODC.</translation>
    </message>
    <message>
        <source>TIMING</source>
        <translation>TIMING</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>SILNIK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>POŁĄCZ</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>PROGRAMUJ</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>ESC Detected</source>
        <translation>Wykryto ESC</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programowanie</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>DOMYŚLNE</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ZAMKNIJ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation>Otwórz ustawienia...</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Zapisz ustawienia jako...</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Przywróć kopię zapasową...</translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation>Porównaj z ESC</translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation>Weryfikuj po PROGRAMUJ</translation>
    </message>
    <message>
        <source>Program several ESCs...</source>
        <translation>Programuj kilka ESC...</translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation>%1 - &quot;%2&quot; zostanie otwarty po POŁĄCZ</translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Nic nie wysłano: nie wybrano opcji dla %1.</translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation>Zaprogramowano ESC Quorl</translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation>%1 działa dopiero wtedy, gdy POŁĄCZ odczyta ustawienia ESC: najpierw podłącz ESC.</translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation>Interfejs PC dla ESC Orvantis</translation>
    </message>
</context>
<context>
    <name>orvesc::SeveralEscsDialog</name>
    <message>
        <source>Program several ESCs</source>
        <translation>Programuj kilka ESC</translation>
    </message>
    <message>
        <source>The settings the lists show</source>
        <translation>Ustawienia pokazane na listach</translation>
    </message>
    <message>
        <source>A settings file:</source>
        <translation>Plik ustawień:</translation>
    </message>
    <message>
        <source>The model&apos;s factory settings</source>
        <translation>Ustawienia fabryczne modelu</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Dziennik:</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Plik ustawień</translation>
    </message>
    <message>
        <source>Settings (*.orvesc.json *.json)</source>
        <translation>Ustawienia (*.orvesc.json *.json)</translation>
    </message>
    <message>
        <source>Choose the settings and the port, then press Start.</source>
        <translation>Wybierz ustawienia i port, a potem naciśnij Start.</translation>
    </message>
    <message>
        <source>Passed: %1  Failed: %2</source>
        <translation>Udane: %1  Nieudane: %2</translation>
    </message>
    <message>
        <source>Name a settings file.</source>
        <translation>Wskaż plik ustawień.</translation>
    </message>
    <message>
        <source>Writes the settings of %1.</source>
        <translation>Zapisuje ustawienia z %1.</translation>
    </message>
    <message>
        <source>Writes the settings the lists show, for the %1.</source>
        <translation>Zapisuje ustawienia pokazane na listach, dla %1.</translation>
    </message>
    <message>
        <source>Writes the factory settings of the %1.</source>
        <translation>Zapisuje ustawienia fabryczne %1.</translation>
    </message>
    <message>
        <source>Name a settings file, or choose other settings.</source>
        <translation>Wskaż plik ustawień albo wybierz inne ustawienia.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>Nie można użyć %1: %2</translation>
    </message>
    <message>
        <source>Writes the settings of %1, for the %2.</source>
        <translation>Zapisuje ustawienia z %1, dla %2.</translation>
    </message>
    <message>
        <source>These settings cannot be written: %1.</source>
        <translation>Nie można zapisać tych ustawień: %1.</translation>
    </message>
    <message>
        <source>No port is listed: plug in the PC interface cable.</source>
        <translation>Na liście nie ma portu: podłącz kabel interfejsu PC.</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>Przebieg zatrzymany.</translation>
    </message>
    <message>
        <source>Unplug the ESC.</source>
        <translation>Odłącz ESC.</translation>
    </message>
    <message>
        <source>Another ESC is on the cable.</source>
        <translation>Na kablu jest inny ESC.</translation>
    </message>
    <message>
        <source>Plug in the next ESC.</source>
        <translation>Podłącz następny ESC.</translation>
    </message>
    <message>
        <source>Plug in an ESC.</source>
        <translation>Podłącz ESC.</translation>
    </message>
    <message>
        <source>Run ended: %1 passed, %2 failed.</source>
        <translation>Przebieg zakończony: udane %1, nieudane %2.</translation>
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
        <translation>Zatrzymanie po zakończeniu tego ESC.</translation>
    </message>
    <message>
        <source>Stopping.</source>
        <translation>Zatrzymywanie.</translation>
    </message>
</context>
<context>
    <name>orvesc::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name (OrvESC).</extracomment>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Orvantis ESC PC interface</source>
        <extracomment>Orvantis is a maker&apos;s name; ESC: electronic speed controller.</extracomment>
        <translation>Interfejs PC dla ESC Orvantis</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number (1.3.1): keep the three parts together as they are.</extracomment>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>This software will enable programming of a Orvantis ESC when used in conjunction with a Orvantis PC Interface Cable and a PC.
For news and updates visit www.orvantis.example</source>
        <extracomment>Orvantis is a maker&apos;s name; the web address stays as it is.</extracomment>
        <translation>To oprogramowanie umożliwia programowanie ESC Orvantis przy użyciu kabla interfejsu PC Orvantis i komputera PC.
Aktualności i aktualizacje: www.orvantis.example</translation>
    </message>
    <message>
        <source>Warning: this software is provided as is, without warranty of any kind. Orvantis accepts no liability for any damage, injury or loss arising from its use, including from settings written to a speed controller. Remove the propeller before programming.</source>
        <translation>Ostrzeżenie: to oprogramowanie jest dostarczane w stanie, w jakim jest, bez jakiejkolwiek gwarancji. Orvantis nie ponosi odpowiedzialności za jakiekolwiek szkody, obrażenia ani straty wynikające z jego użycia, w tym z ustawień zapisanych w regulatorze obrotów. Przed programowaniem zdejmij śmigło.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button that starts the system&apos;s information program; &amp; marks its access key.</extracomment>
        <translation>&amp;Informacje o systemie...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są obecnie niedostępne</translation>
    </message>
</context>
</TS>
