<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Caption</name>
    <message>
        <source>BRAKE</source>
        <translation>BRZDA</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATERIE</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <extracomment>The battery voltage per cell at which the ESC cuts the motor.</extracomment>
        <translation>VYPNUTÍ V/ČL.</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <extracomment>What the ESC does when the battery reaches the cutoff voltage.</extracomment>
        <translation>REŽIM VYPNUTÍ</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>MĚKKÝ START</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>TYP ČASOVÁNÍ</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>REVERZ MOTORU</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>REG. OTÁČEK</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>ZPOŽDĚNÍ AKCELERACE</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <extracomment>The caption above a setting list: the motor&apos;s switching frequency. Short and upper case, like the others.</extracomment>
        <translation>FREKVENCE</translation>
    </message>
    <message>
        <source>WARN VOLTAGE</source>
        <extracomment>The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.</extracomment>
        <translation>VAROVNÉ NAPĚTÍ</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 found</source>
        <extracomment>%1 is the ESC&apos;s model name.</extracomment>
        <translation>Nalezen %1</translation>
    </message>
    <message>
        <source>%1 gets no COM number: all numbers are taken.</source>
        <extracomment>%1 is a device path given with --port.</extracomment>
        <translation>%1 nedostane číslo COM: všechna čísla jsou obsazena.</translation>
    </message>
    <message>
        <source>set it to 1 in Device Manager: the port&apos;s Properties, Port Settings, Advanced, Latency Timer (msec)</source>
        <translation>nastavte hodnotu na 1 ve Správci zařízení: Vlastnosti portu, Nastavení portu, Upřesnit, Latency Timer (msec)</translation>
    </message>
    <message>
        <source>the package&apos;s udev rule sets it to 1 when the adapter is plugged in, or: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <extracomment>%1 is the adapter&apos;s device name in sysfs.</extracomment>
        <translation>pravidlo udev z balíčku nastaví hodnotu na 1 při připojení adaptéru, nebo: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2</source>
        <extracomment>%1 the adapter&apos;s latency timer in milliseconds, %2 how to lower it.</extracomment>
        <translation>latency timer %1 ms: každá odpověď čeká v adaptéru až %1 ms; %2</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Není uveden žádný sériový port: připojte kabel rozhraní PC.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C while programming: the ESC may hold part of the new settings; run the command again on this port.</source>
        <translation>Přerušeno klávesami Ctrl+C během programování: ESC může obsahovat část nových nastavení; spusťte příkaz na tomto portu znovu.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C.</source>
        <translation>Přerušeno klávesami Ctrl+C.</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <extracomment>A port&apos;s failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.</extracomment>
        <translation>%1: chyba %2: %3</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port.</source>
        <translation>Na jediném uvedeném portu neodpověděl žádný ESC.</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port; none on %1.</source>
        <translation>Na jediném uvedeném portu neodpověděl žádný ESC; žádný ESC na %1.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port.</source>
        <extracomment>%1 names the ports where no ESC answered.</extracomment>
        <translation>
            <numerusform>Na %n uvedeném portu neodpověděl žádný ESC.</numerusform>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC.</numerusform>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports.</source>
        <translation>
            <numerusform>Na %n uvedeném portu neodpověděl žádný ESC.</numerusform>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC.</numerusform>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port; none on %1.</source>
        <translation>
            <numerusform>Na %n uvedeném portu neodpověděl žádný ESC; žádný ESC na %1.</numerusform>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC; žádný ESC na %1.</numerusform>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC; žádný ESC na %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports; none on %1.</source>
        <translation>
            <numerusform>Na %n uvedeném portu neodpověděl žádný ESC; žádný ESC na %1.</numerusform>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC; žádný ESC na %1.</numerusform>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC; žádný ESC na %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2).</source>
        <extracomment>%1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Odpověď ESC na %1 z %n uvedeného portu, očekáváno %2 (--expect %2).</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů, očekáváno %2 (--expect %2).</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů, očekáváno %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2).</source>
        <translation>
            <numerusform>Odpověď ESC na %1 z %n uvedeného portu, očekáváno %2 (--expect %2).</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů, očekáváno %2 (--expect %2).</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů, očekáváno %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Odpověď ESC na %1 z %n uvedeného portu, očekáváno %2 (--expect %2); žádný ESC na %3.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů, očekáváno %2 (--expect %2); žádný ESC na %3.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů, očekáváno %2 (--expect %2); žádný ESC na %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Odpověď ESC na %1 z %n uvedeného portu, očekáváno %2 (--expect %2); žádný ESC na %3.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů, očekáváno %2 (--expect %2); žádný ESC na %3.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů, očekáváno %2 (--expect %2); žádný ESC na %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port.</source>
        <extracomment>%1 ESCs answered; %2 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Odpověď ESC na %1 z %n uvedeného portu.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports.</source>
        <translation>
            <numerusform>Odpověď ESC na %1 z %n uvedeného portu.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port; none on %2.</source>
        <translation>
            <numerusform>Odpověď ESC na %1 z %n uvedeného portu; žádný ESC na %2.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů; žádný ESC na %2.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů; žádný ESC na %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports; none on %2.</source>
        <translation>
            <numerusform>Odpověď ESC na %1 z %n uvedeného portu; žádný ESC na %2.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů; žádný ESC na %2.</numerusform>
            <numerusform>Odpověď ESC na %1 z %n uvedených portů; žádný ESC na %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not searched: %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Neprohledáno: %1</translation>
    </message>
    <message>
        <source>Check the cable&apos;s connector orientation at each ESC and that it is powered.</source>
        <translation>Zkontrolujte orientaci konektoru kabelu u každého ESC a zda je napájen.</translation>
    </message>
    <message>
        <source>orvesc-cli: error %1: %2</source>
        <translation>orvesc-cli: chyba %1: %2</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable.</source>
        <translation>není uveden žádný sériový port: připojte kabel rozhraní PC.</translation>
    </message>
    <message>
        <source>No listed port can be opened. %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Žádný uvedený port nelze otevřít. %1</translation>
    </message>
    <message>
        <source>%1 Not searched: %2</source>
        <extracomment>%1 says that no ESC answered, %2 names the ports not opened, with the reason.</extracomment>
        <translation>%1 Neprohledáno: %2</translation>
    </message>
    <message>
        <source>Reading the settings failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Čtení nastavení selhalo: %1</translation>
    </message>
    <message>
        <source>No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends).</source>
        <translation>Zatím není uveden žádný sériový port: připojte kabel rozhraní PC (Ctrl+C ukončí).</translation>
    </message>
    <message>
        <source>settings of the %1 read: no settings document can hold them (%2), so the JSON holds the codes the ESC reported</source>
        <extracomment>%1 is the model&apos;s name, %2 why no settings document can hold what it reported.</extracomment>
        <translation>nastavení %1 přečtena: žádný dokument nastavení je nemůže obsahovat (%2), proto JSON obsahuje kódy hlášené ESC</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be written.</extracomment>
        <translation>%1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>no settings file can hold these settings: %1.</source>
        <translation>žádný soubor nastavení nemůže obsahovat tato nastavení: %1.</translation>
    </message>
    <message>
        <source>settings of the %1 read and saved in %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>nastavení %1 přečtena a uložena do %2</translation>
    </message>
    <message>
        <source>settings of the %1 read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>nastavení %1 přečtena</translation>
    </message>
    <message>
        <source>%1: %2 (model code %3)
</source>
        <extracomment>A heading of the settings table: %1 the port, %2 the model&apos;s name, %3 its model code.</extracomment>
        <translation>%1: %2 (kód modelu %3)
</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot; is not KEY=ENTRY (for example --set brake=on).</source>
        <translation>--set &quot;%1&quot; nemá tvar KLÍČ=POLOŽKA (například --set brake=on).</translation>
    </message>
    <message>
        <source>--set: &quot;%1&quot; is not a setting. Settings: %2.</source>
        <extracomment>%1 as typed, %2 the setting keys.</extracomment>
        <translation>--set: &quot;%1&quot; není nastavení. Nastavení: %2.</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not an entry of %3. Entries: %4.</source>
        <extracomment>%1 the key as typed, %2 the entry as typed, %3 the setting&apos;s caption, %4 its entries.</extracomment>
        <translation>--set %1: &quot;%2&quot; není položka nastavení %3. Položky: %4.</translation>
    </message>
    <message>
        <source>--set %1: the %2 has no %3 setting. Its settings: %4.</source>
        <extracomment>%1 the key as typed, %2 the model&apos;s name, %3 the setting&apos;s caption, %4 the model&apos;s setting keys.</extracomment>
        <translation>--set %1: %2 nemá nastavení %3. Jeho nastavení: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>%1 nelze použít: %2.</translation>
    </message>
    <message>
        <source>The settings by their key for --set and settings files, with their caption; the entries each model offers (* marks the factory setting); what they do.</source>
        <translation>Nastavení podle klíče pro --set a soubory nastavení, s jejich popiskem; položky, které nabízí každý model (* označuje tovární nastavení); co dělají.</translation>
    </message>
    <message>
        <source>every model, battery Ni</source>
        <extracomment>Stands before a setting&apos;s entries where every model offers them, in place of the models&apos; names.</extracomment>
        <translation>každý model, baterie Ni</translation>
    </message>
    <message>
        <source>every model</source>
        <translation>každý model</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable, then start the station again.</source>
        <translation>není uveden žádný sériový port: připojte kabel rozhraní PC a pak stanici spusťte znovu.</translation>
    </message>
    <message>
        <source>--station works on one cable, and %1 ports are listed: %2. Name the cable&apos;s with --port, e.g. --port %3; nothing was sent.</source>
        <extracomment>%1 the number of ports (always several), %2 the ports, %3 the first of them.</extracomment>
        <translation>--station pracuje s jedním kabelem a uvedených portů je %1: %2. Zadejte port kabelu pomocí --port, např. --port %3; nic nebylo odesláno.</translation>
    </message>
    <message>
        <source>Station: on %1, the only port listed.</source>
        <extracomment>%1 is the port and its device.</extracomment>
        <translation>Stanice: na %1, jediném uvedeném portu.</translation>
    </message>
    <message>
        <source>%1 %2  %3  %4  (passed %5, failed %6)%7
</source>
        <extracomment>A station&apos;s result line: %1 PASS or FAIL, %2 the ESC&apos;s number in the run, %3 its model, %4 the port; %5 and %6 the counts so far, %7 nothing or &quot;: error N: what went wrong&quot;.</extracomment>
        <translation>%1 %2  %3  %4  (úspěšné %5, neúspěšné %6)%7
</translation>
    </message>
    <message>
        <source>: error %1: %2</source>
        <translation>: chyba %1: %2</translation>
    </message>
    <message>
        <source>Station: the record of this run goes to %1</source>
        <extracomment>%1 is the record file.</extracomment>
        <translation>Stanice: záznam tohoto běhu se ukládá do %1</translation>
    </message>
    <message>
        <source>Station: finishing the ESC being programmed; Ctrl+C again ends at once.</source>
        <translation>Stanice: dokončuji právě programovaný ESC; další Ctrl+C ukončí okamžitě.</translation>
    </message>
    <message>
        <source>Station: %1: cut short by Ctrl+C while programming: the ESC may hold part of the new settings; program it again.</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>Stanice: %1: přerušeno klávesami Ctrl+C během programování: ESC může obsahovat část nových nastavení; naprogramujte ho znovu.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 The station stops.</source>
        <extracomment>%1 says why the record could not be written.</extracomment>
        <translation>orvesc-cli: %1 Stanice se zastavuje.</translation>
    </message>
    <message>
        <source>Station: unplug the ESC.</source>
        <translation>Stanice: odpojte ESC.</translation>
    </message>
    <message>
        <source>Station: another ESC is on the cable.</source>
        <translation>Stanice: na kabelu je jiný ESC.</translation>
    </message>
    <message>
        <source>Station: plug in the next ESC.</source>
        <translation>Stanice: připojte další ESC.</translation>
    </message>
    <message>
        <source>Station: plug in an ESC; Ctrl+C ends.</source>
        <translation>Stanice: připojte ESC; Ctrl+C ukončí.</translation>
    </message>
    <message>
        <source>Station ended: %1 passed, %2 failed
</source>
        <translation>Stanice ukončena: úspěšné %1, neúspěšné %2
</translation>
    </message>
    <message>
        <source>The trace file %1 cannot be written: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Soubor trasování %1 nelze zapsat: %2.</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, it was programmed with %4
</source>
        <extracomment>%1 the port, %2 the setting&apos;s caption, %3 the entry the ESC reports, %4 the entry programmed.</extracomment>
        <translation>%1: %2: ESC má %3, naprogramováno bylo %4
</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, the file has %4
</source>
        <translation>%1: %2: ESC má %3, soubor má %4
</translation>
    </message>
    <message>
        <source>the settings before the write are kept in %1</source>
        <extracomment>%1 is the backup file.</extracomment>
        <translation>nastavení před zápisem jsou uložena v %1</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Add --allow-other-model to compare what fits.</source>
        <extracomment>%1 and %3 are model names, %2 and %4 their model codes.</extracomment>
        <translation>Soubor obsahuje nastavení pro %1 (kód modelu %2), ale ESC je %3 (kód modelu %4). Přidejte --allow-other-model, chcete-li porovnat to, co odpovídá.</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Nothing was sent; add --allow-other-model to use what fits.</source>
        <translation>Soubor obsahuje nastavení pro %1 (kód modelu %2), ale ESC je %3 (kód modelu %4). Nic nebylo odesláno; přidejte --allow-other-model, chcete-li použít to, co odpovídá.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Odmítnuto: %1</translation>
    </message>
    <message>
        <source>Refused, nothing was sent: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Odmítnuto, nic nebylo odesláno: %1</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it was not compared</source>
        <extracomment>%1 is the model&apos;s name, %2 the file&apos;s settings it lacks (&quot;CAPTION: entry&quot;, comma-separated).</extracomment>
        <translation>%1 nenabízí %2; toto nastavení nebylo porovnáno</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they were not compared</source>
        <translation>%1 nenabízí %2; tato nastavení nebyla porovnána</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it keeps its value</source>
        <translation>%1 nenabízí %2; nastavení si ponechává svou hodnotu</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they keep their value</source>
        <translation>%1 nenabízí %2; nastavení si ponechávají svou hodnotu</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <extracomment>%1 says why the file cannot be used.</extracomment>
        <translation>%1 Nic nebylo odesláno.</translation>
    </message>
    <message>
        <source>the %1 holds the settings of %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>%1 obsahuje nastavení ze souboru %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting differs from %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>
            <numerusform>%n nastavení se liší od souboru %1</numerusform>
            <numerusform>%n nastavení se liší od souboru %1</numerusform>
            <numerusform>%n nastavení se liší od souboru %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ from %1</source>
        <translation>
            <numerusform>%n nastavení se liší od souboru %1</numerusform>
            <numerusform>%n nastavení se liší od souboru %1</numerusform>
            <numerusform>%n nastavení se liší od souboru %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found, settings read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>Nalezen %1, nastavení přečtena</translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n setting would change), nothing sent</source>
        <extracomment>%1 the number of command bytes, %2 the model&apos;s name; %n settings would change.</extracomment>
        <translation>
            <numerusform>zkušební běh: vypsány bajty příkazů (%1) pro %2 (změnilo by se %n nastavení), nic nebylo odesláno</numerusform>
            <numerusform>zkušební běh: vypsány bajty příkazů (%1) pro %2 (změnila by se %n nastavení), nic nebylo odesláno</numerusform>
            <numerusform>zkušební běh: vypsány bajty příkazů (%1) pro %2 (změnilo by se %n nastavení), nic nebylo odesláno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n settings would change), nothing sent</source>
        <translation>
            <numerusform>zkušební běh: vypsány bajty příkazů (%1) pro %2 (změnilo by se %n nastavení), nic nebylo odesláno</numerusform>
            <numerusform>zkušební běh: vypsány bajty příkazů (%1) pro %2 (změnila by se %n nastavení), nic nebylo odesláno</numerusform>
            <numerusform>zkušební běh: vypsány bajty příkazů (%1) pro %2 (změnilo by se %n nastavení), nic nebylo odesláno</numerusform>
        </translation>
    </message>
    <message>
        <source>Command %1 of %2 (%3) failed: %4</source>
        <extracomment>%1 the command&apos;s number, %2 how many there are, %3 its byte, %4 what went wrong.</extracomment>
        <translation>Příkaz %1 z %2 (%3) selhal: %4</translation>
    </message>
    <message>
        <source>The run was cut short.</source>
        <translation>Běh byl přerušen.</translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>hotovo: %1 naprogramován (bez ověření), změněno %n nastavení</numerusform>
            <numerusform>hotovo: %1 naprogramován (bez ověření), změněna %n nastavení</numerusform>
            <numerusform>hotovo: %1 naprogramován (bez ověření), změněno %n nastavení</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n settings changed</source>
        <translation>
            <numerusform>hotovo: %1 naprogramován (bez ověření), změněno %n nastavení</numerusform>
            <numerusform>hotovo: %1 naprogramován (bez ověření), změněna %n nastavení</numerusform>
            <numerusform>hotovo: %1 naprogramován (bez ověření), změněno %n nastavení</numerusform>
        </translation>
    </message>
    <message>
        <source>Programmed, but the read-back failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Naprogramováno, ale zpětné čtení selhalo: %1</translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n setting</source>
        <translation>
            <numerusform>Zpětné čtení se liší v %n nastavení</numerusform>
            <numerusform>Zpětné čtení se liší v %n nastavení</numerusform>
            <numerusform>Zpětné čtení se liší v %n nastavení</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n settings</source>
        <translation>
            <numerusform>Zpětné čtení se liší v %n nastavení</numerusform>
            <numerusform>Zpětné čtení se liší v %n nastavení</numerusform>
            <numerusform>Zpětné čtení se liší v %n nastavení</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>hotovo: %1 naprogramován a ověřen, změněno %n nastavení</numerusform>
            <numerusform>hotovo: %1 naprogramován a ověřen, změněna %n nastavení</numerusform>
            <numerusform>hotovo: %1 naprogramován a ověřen, změněno %n nastavení</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n settings changed</source>
        <translation>
            <numerusform>hotovo: %1 naprogramován a ověřen, změněno %n nastavení</numerusform>
            <numerusform>hotovo: %1 naprogramován a ověřen, změněna %n nastavení</numerusform>
            <numerusform>hotovo: %1 naprogramován a ověřen, změněno %n nastavení</numerusform>
        </translation>
    </message>
    <message>
        <source>(changes)</source>
        <translation>(změny)</translation>
    </message>
    <message>
        <source>(the ESC has %1)</source>
        <extracomment>%1 is the entry the ESC has now.</extracomment>
        <translation>(ESC má %1)</translation>
    </message>
    <message>
        <source>the settings before the write cannot be backed up (%1); note the codes the ESC reported: %2</source>
        <extracomment>%1 says why, %2 lists the codes.</extracomment>
        <translation>nastavení před zápisem nelze zálohovat (%1); poznamenejte si kódy hlášené ESC: %2</translation>
    </message>
    <message>
        <source>%1 (command %2 of %3, %4)</source>
        <extracomment>Names a command of a programming run: %1 the setting&apos;s caption and entry, %2 its number, %3 how many there are, %4 its byte.</extracomment>
        <translation>%1 (příkaz %2 z %3, %4)</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the ones after it were not programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer, %3 the echo it should have sent.</extracomment>
        <translation>ESC odpověděl na %1 hodnotou %2 místo ozvěny %3; není známo, zda nastavení uložil, následující příkazy nebyly naprogramovány.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed.</source>
        <translation>ESC odpověděl na %1 hodnotou %2 místo ozvěny %3; není známo, zda nastavení uložil, nastavení před ním byla naprogramována.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed, the ones after it were not.</source>
        <translation>ESC odpověděl na %1 hodnotou %2 místo ozvěny %3; není známo, zda nastavení uložil, nastavení před ním byla naprogramována, následující ne.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer.</extracomment>
        <translation>ESC odmítl %1: odpověděl %2 místo 0x01; nic nebylo naprogramováno.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed.</source>
        <translation>ESC odmítl %1: odpověděl %2 místo 0x01; nastavení před ním byla naprogramována.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed, the ones after it were not.</source>
        <translation>ESC odmítl %1: odpověděl %2 místo 0x01; nastavení před ním byla naprogramována, následující ne.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1
Try &apos;%2&apos;.
</source>
        <extracomment>%1 says what is wrong, %2 is the help command to run.</extracomment>
        <translation>orvesc-cli: %1
Zkuste &apos;%2&apos;.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: did you mean %2?</source>
        <translation>neznámý příkaz &quot;%1&quot;: měli jste na mysli %2?</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: the commands are %2.</source>
        <translation>neznámý příkaz &quot;%1&quot;: příkazy jsou %2.</translation>
    </message>
    <message>
        <source>unknown option %1%2.</source>
        <translation>neznámý přepínač %1%2.</translation>
    </message>
    <message>
        <source>unknown option %1%2: did you mean --%3?</source>
        <translation>neznámý přepínač %1%2: měli jste na mysli --%3?</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>neočekávaný argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 neplatí pro %2.</translation>
    </message>
    <message>
        <source>%1 applies only to %2.</source>
        <translation>%1 platí jen pro %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: give a COM number (COM3 or 3, 1 to 255) or a device path such as /dev/ttyUSB0.</source>
        <translation>&quot;%1&quot; není port: zadejte číslo COM (COM3 nebo 3, 1 až 255) nebo cestu k zařízení, například /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>--expect takes the number of ESCs that must answer, such as --expect 4; &quot;%1&quot; is none.</source>
        <translation>--expect očekává počet ESC, které musí odpovědět, například --expect 4; &quot;%1&quot; není číslo.</translation>
    </message>
    <message>
        <source>--expect counts the ESCs that --all finds: add --all.</source>
        <translation>--expect počítá ESC, které najde --all: přidejte --all.</translation>
    </message>
    <message>
        <source>give either --port or --all, not both.</source>
        <translation>zadejte buď --port, nebo --all, ne obojí.</translation>
    </message>
    <message>
        <source>verify needs a settings file: orvesc-cli verify FILE.</source>
        <translation>verify potřebuje soubor nastavení: orvesc-cli verify FILE.</translation>
    </message>
    <message>
        <source>write needs a settings file, --set KEY=ENTRY, or both: nothing to write.</source>
        <translation>write potřebuje soubor nastavení, --set KEY=ENTRY nebo obojí: není co zapsat.</translation>
    </message>
    <message>
        <source>-o writes one ESC&apos;s settings: give one --port, or use --json.</source>
        <translation>-o zapisuje nastavení jednoho ESC: zadejte jeden --port, nebo použijte --json.</translation>
    </message>
    <message>
        <source>--station works on one cable: give at most one --port, and no --all.</source>
        <translation>--station pracuje s jedním kabelem: zadejte nejvýše jeden --port a žádné --all.</translation>
    </message>
    <message>
        <source>--record keeps the record of a station&apos;s run: add --station.</source>
        <translation>--record uchovává záznam běhu stanice: přidejte --station.</translation>
    </message>
    <message>
        <source>--station programs every ESC it meets: drop --dry-run.</source>
        <translation>--station programuje každý připojený ESC: vynechte --dry-run.</translation>
    </message>
    <message>
        <source>--dry-run sends nothing, so there is nothing to verify: drop --no-verify.</source>
        <translation>--dry-run nic neodesílá, takže není co ověřovat: vynechte --no-verify.</translation>
    </message>
    <message>
        <source>(linked as %1)</source>
        <extracomment>%1 is the file the port is linked as.</extracomment>
        <translation>(odkazován jako %1)</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 Nothing was sent.</source>
        <extracomment>%1 says why the record cannot be written.</extracomment>
        <translation>orvesc-cli: %1 Nic nebylo odesláno.</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation>Uložit diagnostiku...</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>latency timer %1 ms</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>sériové číslo %1</translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation>Diagnostika %1 %2, zapsáno %3</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (sestaveno s %2)</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>Systém: %1, jádro %2 %3, %4</translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation>Porty (COM%1 až COM%2):</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  žádné</translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation>Provoz (události: %1, zahozené starší: %2; sekundy od spuštění):</translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Diagnostiku nelze zapsat do %1: %2. Zvolte jinou složku a uložte znovu.</translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation>Uložit diagnostiku</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textové soubory (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>OFF</source>
        <extracomment>A drop-down entry: keep it as short. The setting is off.</extracomment>
        <translation>VYP</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>A drop-down entry: keep it as short. The setting is on.</extracomment>
        <translation>ZAP</translation>
    </message>
    <message>
        <source>SOFT</source>
        <extracomment>A drop-down entry: keep it as short. A soft brake or a soft timing.</extracomment>
        <translation>MĚKCE</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>A drop-down entry: keep it as short. A hard timing.</extracomment>
        <translation>TVRDĚ</translation>
    </message>
    <message>
        <source>AUTO</source>
        <extracomment>A drop-down entry: keep it as short. The ESC picks the timing itself.</extracomment>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>STOP MOTOR</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the motor stops.</extracomment>
        <translation>STOP MOTORU</translation>
    </message>
    <message>
        <source>REDUCE POWER</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the power is reduced.</extracomment>
        <translation>SNÍŽIT VÝKON</translation>
    </message>
    <message>
        <source>NO CUT</source>
        <extracomment>A drop-down entry: keep it as short. The motor is never cut at low voltage.</extracomment>
        <translation>BEZ VYP.</translation>
    </message>
    <message>
        <source>ON RANGE 1</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, first speed range.</extracomment>
        <translation>ZAP ROZSAH 1</translation>
    </message>
    <message>
        <source>ON RANGE 2</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, second speed range.</extracomment>
        <translation>ZAP ROZSAH 2</translation>
    </message>
    <message>
        <source>ON RANGE 3</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, third speed range.</extracomment>
        <translation>ZAP ROZSAH 3</translation>
    </message>
    <message>
        <source>GASMODE</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, in its gas mode.</extracomment>
        <translation>REŽ. PLYN</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.</extracomment>
        <translation>ÚROVEŇ1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.</extracomment>
        <translation>ÚROVEŇ2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.</extracomment>
        <translation>ÚROVEŇ3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.</extracomment>
        <translation>ÚROVEŇ4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.</extracomment>
        <translation>ÚROVEŇ5</translation>
    </message>
    <message>
        <source>LEVEL6</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.</extracomment>
        <translation>ÚROVEŇ6</translation>
    </message>
    <message>
        <source>LEVEL7</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.</extracomment>
        <translation>ÚROVEŇ7</translation>
    </message>
    <message>
        <source>LEVEL8</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.</extracomment>
        <translation>ÚROVEŇ8</translation>
    </message>
    <message>
        <source>LEVEL9</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.</extracomment>
        <translation>ÚROVEŇ9</translation>
    </message>
    <message>
        <source>LEVEL10</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.</extracomment>
        <translation>ÚROVEŇ10</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>A drop-down entry: keep it as short. The model has no acceleration delay setting.</extracomment>
        <translation>Nedostupné</translation>
    </message>
    <message>
        <source>Ni</source>
        <extracomment>A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside &quot;2S Li&quot; and the like.</extracomment>
        <translation>Ni</translation>
    </message>
    <message>
        <source>(no choice)</source>
        <extracomment>What a list names when none of its entries is chosen.</extracomment>
        <translation>(žádná volba)</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM control off.</source>
        <translation>Co ESC dělá s motorem při staženém plynu: VYP ho nechá volně běžet, ZAP a MĚKCE ho brzdí. Brzda a regulace otáček se vylučují: volba brzdy vypne regulaci otáček.</translation>
    </message>
    <message>
        <source>The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li to 12S Li). Changing it resets the cutoff voltage, so choose the battery first.</source>
        <translation>Baterie, ze které ESC běží: Ni pro niklové články, nebo počet lithiových článků (2S Li až 12S Li). Její změna resetuje vypínací napětí, proto zvolte baterii jako první.</translation>
    </message>
    <message>
        <source>The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. The lowest voltage counts as a hard cut, with which RPM control cannot be on.</source>
        <translation>Napětí na článek, při kterém ESC reaguje na vybitou baterii podle režimu vypnutí. Nejnižší napětí se počítá jako tvrdé vypnutí, se kterým nemůže být zapnutá regulace otáček.</translation>
    </message>
    <message>
        <source>What the ESC does when the battery falls to the cutoff voltage. RPM control needs a cutoff: NO CUT switches it off.</source>
        <translation>Co ESC udělá, když napětí baterie klesne na vypínací napětí. Regulace otáček vyžaduje vypínání: BEZ VYP. ji vypne.</translation>
    </message>
    <message>
        <source>Starts the motor gently rather than at full power at once. RPM control needs soft start: OFF switches RPM control off, and turning RPM control on switches soft start on.</source>
        <translation>Rozbíhá motor jemně místo okamžitého plného výkonu. Regulace otáček vyžaduje měkký start: VYP vypne regulaci otáček a zapnutí regulace otáček zapne měkký start.</translation>
    </message>
    <message>
        <source>The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer fixed angles. Which timing suits a motor, see the motor&apos;s or the ESC&apos;s manual.</source>
        <translation>Časování motoru: AUTO ho přenechá ESC; modely pro 10 a 12 článků nabízejí i pevné úhly. Jaké časování se k motoru hodí, viz návod k motoru nebo k ESC.</translation>
    </message>
    <message>
        <source>The frequency at which the ESC switches the motor&apos;s power. Which suits a motor, see the ESC&apos;s manual. The W models have a warn voltage in its place.</source>
        <translation>Frekvence, se kterou ESC spíná napájení motoru. Jaká se k motoru hodí, viz návod k ESC. Modely W mají místo ní varovné napětí.</translation>
    </message>
    <message>
        <source>Offered by the W models in place of the frequency. What the ESC warns of at this voltage, and how, see the ESC&apos;s manual.</source>
        <translation>Nabízejí modely W místo frekvence. Před čím a jak ESC při tomto napětí varuje, viz návod k ESC.</translation>
    </message>
    <message>
        <source>ON makes the motor turn the other way round.</source>
        <translation>ZAP způsobí, že se motor točí opačným směrem.</translation>
    </message>
    <message>
        <source>Keeps the motor&apos;s speed under the ESC&apos;s control, in one of its ranges (see the ESC&apos;s manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to REDUCE POWER.</source>
        <translation>Udržuje otáčky motoru pod kontrolou ESC v jednom z jeho rozsahů (viz návod k ESC). Nemůže fungovat s brzdou, bez měkkého startu, s BEZ VYP. ani s nejnižším vypínacím napětím: její zapnutí vypne brzdu, zapne měkký start a změní STOP MOTORU na SNÍŽENÍ VÝKONU.</translation>
    </message>
    <message>
        <source>How quickly the motor may follow the throttle, in ten levels; what each level means, see the ESC&apos;s manual. Only the R9 models for 10 and 12 cells have it.</source>
        <translation>Jak rychle smí motor sledovat plyn, v deseti úrovních; co která úroveň znamená, viz návod k ESC. Mají ho jen modely R9 pro 10 a 12 článků.</translation>
    </message>
    <message>
        <source>A softer brake than ON; how soft, see the ESC&apos;s manual. It counts as a brake: RPM control is switched off.</source>
        <translation>Měkčí brzda než ZAP; jak měkká, viz návod k ESC. Počítá se jako brzda: regulace otáček se vypne.</translation>
    </message>
    <message>
        <source>Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per cell.</source>
        <translation>Niklové články: seznam vypínacích napětí pak nabízí napětí pro niklové články, 0.6 V až 0.9 V na článek.</translation>
    </message>
    <message>
        <source>The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE POWER.</source>
        <translation>Motor se při vypínacím napětí zastaví. Zapnutí regulace otáček to změní na SNÍŽENÍ VÝKONU.</translation>
    </message>
    <message>
        <source>The ESC reduces the motor&apos;s power at the cutoff voltage instead of stopping it.</source>
        <translation>ESC při vypínacím napětí sníží výkon motoru, místo aby ho zastavil.</translation>
    </message>
    <message>
        <source>No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control is switched off.</source>
        <translation>Bez vypínání: ESC pohání motor bez ohledu na to, jak nízko napětí baterie klesne. Regulace otáček se vypne.</translation>
    </message>
    <message>
        <source>A fixed soft timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Pevné měkké časování; jeho úhel viz návod k ESC.</translation>
    </message>
    <message>
        <source>A fixed hard timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Pevné tvrdé časování; jeho úhel viz návod k ESC.</translation>
    </message>
    <message>
        <source>The ESC chooses the timing itself.</source>
        <translation>ESC volí časování sám.</translation>
    </message>
    <message>
        <source>Offered by the R9 models besides the ranges; it counts as RPM control on. What it does, see the ESC&apos;s manual.</source>
        <translation>Nabízejí modely R9 vedle rozsahů; počítá se jako zapnutá regulace otáček. Co dělá, viz návod k ESC.</translation>
    </message>
    <message>
        <source>This model has no acceleration delay.</source>
        <translation>Tento model nemá zpoždění akcelerace.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>These ports could not be opened, so no ESC was looked for there:</source>
        <extracomment>Followed by one line per port saying why it could not be opened.</extracomment>
        <translation>Tyto porty nebylo možné otevřít, proto se na nich ESC nehledal:</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and press CONNECT.</source>
        <extracomment>COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0). CONNECT is a button: use its translated name.</extracomment>
        <translation>Port ESC COM%1 (%2) zmizel: znovu připojte kabel a stiskněte PŘIPOJIT.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and run the command again.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Port ESC COM%1 (%2) zmizel: znovu připojte kabel a spusťte příkaz znovu.</translation>
    </message>
    <message>
        <source>The setting code %1 cannot be sent: a command is one byte, 0 to 255. Nothing was sent to the ESC.</source>
        <extracomment>%1 is the number that was to be sent.</extracomment>
        <translation>Kód nastavení %1 nelze odeslat: příkaz je jeden bajt, 0 až 255. Do ESC nebylo nic odesláno.</translation>
    </message>
    <message>
        <source>Orvantis Controller Not Found!<byte value="xd"/><byte value="xd"/>• Check the PC Cable Adapter&apos;s connector orientation at your ESC<byte value="xd"/><byte value="xd"/>• Check Windows Device Manager to insure that device drivers for<byte value="xd"/>  your USB Adapter cable are properly loaded, and that a Serial Port<byte value="xd"/>  has been created by the USB adapter</source>
        <extracomment>A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a maker&apos;s name; Device Manager is the name of the Windows program.</extracomment>
        <translation>Regulátor Orvantis nebyl nalezen!<byte value="xd"/><byte value="xd"/>• Zkontrolujte orientaci konektoru adaptéru kabelu PC u ESC<byte value="xd"/><byte value="xd"/>• Ve Správci zařízení systému Windows zkontrolujte, zda jsou ovladače<byte value="xd"/>  kabelu s adaptérem USB správně načteny a zda adaptér USB<byte value="xd"/>  vytvořil sériový port</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Chyba komunikace</translation>
    </message>
    <message>
        <source>No COM port is selected: the port list is empty, or the selected entry has no port number (only the first ten listed ports can be used).</source>
        <extracomment>COM port: a serial port as the port list names it (COM1, COM2...).</extracomment>
        <translation>Není vybrán žádný port COM: seznam portů je prázdný nebo vybraná položka nemá číslo portu (použít lze jen prvních deset uvedených portů).</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Není uveden žádný sériový port: připojte kabel rozhraní PC.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports. Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>%n is the number of ports searched, always 2 or more.</extracomment>
        <translation>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC. Zkontrolujte orientaci konektoru kabelu u ESC a zda je ESC napájen.</numerusform>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC. Zkontrolujte orientaci konektoru kabelu u ESC a zda je ESC napájen.</numerusform>
            <numerusform>Na žádném z %n uvedených portů neodpověděl žádný ESC. Zkontrolujte orientaci konektoru kabelu u ESC a zda je ESC napájen.</numerusform>
        </translation>
    </message>
    <message>
        <source>No ESC answered on COM%1 (%2). Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Na COM%1 (%2) neodpověděl žádný ESC. Zkontrolujte orientaci konektoru kabelu u ESC a zda je ESC napájen.</translation>
    </message>
    <message>
        <source>the reply began with 0x00.</source>
        <extracomment>The command line&apos;s reason why a read failed, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>odpověď začínala 0x00.</translation>
    </message>
    <message>
        <source>the run was cut short.</source>
        <extracomment>The command line&apos;s reason why a run ended, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>běh byl přerušen.</translation>
    </message>
    <message>
        <source>Backups are off until OrvESC is started again: the settings cannot be saved in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have backups.</source>
        <extracomment>A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Zálohy jsou vypnuté až do dalšího spuštění OrvESC: nastavení nelze uložit do<byte value="xd"/>%1<byte value="xd"/>(%2). PŘIPOJIT, ZAPSAT a VÝCHOZÍ fungují jako dosud; chcete-li mít zálohy, povolte zápis do složky.</translation>
    </message>
    <message>
        <source>backups are off for this run: the settings cannot be saved in %1 (%2); the write goes on. Make the folder writable to have backups.</source>
        <extracomment>A command-line note after the port&apos;s name and a colon, so it starts lower case. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;).</extracomment>
        <translation>zálohy jsou pro tento běh vypnuté: nastavení nelze uložit do %1 (%2); zápis pokračuje. Chcete-li mít zálohy, povolte zápis do složky.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>RPM Control Disabled with Brake</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Regulace otáček vypnuta kvůli brzdě</translation>
    </message>
    <message>
        <source>RPM Control Disabled with Hard Cut LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Regulace otáček vypnuta kvůli tvrdému vypnutí LVC</translation>
    </message>
    <message>
        <source>RPM Control Disabled without SoftStart</source>
        <extracomment>A message box after the user changed a setting.</extracomment>
        <translation>Regulace otáček vypnuta bez měkkého startu</translation>
    </message>
    <message>
        <source>RPM Control Disabled without LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Regulace otáček vypnuta bez vypínání LVC</translation>
    </message>
    <message>
        <source>Brake Disabled  / Softstart enabled with RPM Control</source>
        <extracomment>A message box after the user changed a setting: two corrections made at once.</extracomment>
        <translation>Brzda vypnuta / měkký start zapnut kvůli regulaci otáček</translation>
    </message>
    <message>
        <source>The ESC reported settings that this tool cannot show (their lists are left empty):</source>
        <extracomment>The first line of a message box; one line per setting follows.</extracomment>
        <translation>ESC nahlásil nastavení, která tento nástroj neumí zobrazit (jejich seznamy zůstávají prázdné):</translation>
    </message>
    <message>
        <source>No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.</source>
        <extracomment>The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Žádná záloha tyto kódy neuchová: poznamenejte si je, než je ZAPSAT nebo VÝCHOZÍ přepíše.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation>Nastavení OrvESC (*.orvesc.json);;Soubory JSON (*.json);;Všechny soubory (*)</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>No record file is named: name one.</source>
        <translation>Není zadán soubor záznamu: zadejte ho.</translation>
    </message>
    <message>
        <source>The record file %1 is a folder: name a file.</source>
        <translation>Soubor záznamu %1 je složka: zadejte soubor.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be read: %2.</source>
        <translation>Soubor záznamu %1 nelze přečíst: %2.</translation>
    </message>
    <message>
        <source>%1 is not a record of OrvESC&apos;s runs (its first line differs): name another file.</source>
        <translation>%1 není záznam běhů OrvESC (jeho první řádek se liší): zadejte jiný soubor.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be written: %2.</source>
        <translation>Soubor záznamu %1 nelze zapsat: %2.</translation>
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
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 is running and may hold it. Stop it with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 a system service&apos;s name, %3 its unit; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 používá jiný program; běží %2, který ho může držet. Zastavte ho příkazem: sudo systemctl stop %3 a zkuste to znovu.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 are running and may hold it. Stop them with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 the names of two or more system services, %3 their units; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 používá jiný program; běží %2, které ho mohou držet. Zastavte je příkazem: sudo systemctl stop %3 a zkuste to znovu.</translation>
    </message>
    <message>
        <source>There is no %1: no serial port or USB adapter has that number. Check that the adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM12).</extracomment>
        <translation>%1 neexistuje: žádný sériový port ani adaptér USB nemá toto číslo. Zkontrolujte, zda je adaptér připojen.</translation>
    </message>
    <message>
        <source>%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.</source>
        <extracomment>%1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.</extracomment>
        <translation>%1 není číslo portu, které tento nástroj může použít: čísla jdou od COM%2 do COM%3.</translation>
    </message>
    <message>
        <source>%1 is open: the port number can only change while the port is closed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 je otevřen: číslo portu lze změnit jen při zavřeném portu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting the serial port can take (it should read like 19200,N,8,1).</source>
        <extracomment>%1 is the text given; &quot;19200,N,8,1&quot; is a setting as the port takes it and stays as it is.</extracomment>
        <translation>&quot;%1&quot; není nastavení linky, které sériový port přijme (mělo by vypadat jako 19200,N,8,1).</translation>
    </message>
    <message>
        <source>%1 is not a read length (0 reads everything waiting).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 není délka čtení (0 přečte vše, co čeká).</translation>
    </message>
    <message>
        <source>%1 is not a read mode (0 text, 1 bytes).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 není režim čtení (0 text, 1 bajty).</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1).</extracomment>
        <translation>%1 nepřijímá nastavení linky %2.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2: %3.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system&apos;s reason.</extracomment>
        <translation>%1 nepřijímá nastavení linky %2: %3.</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 je již otevřen.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist. Check that the USB adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 nelze otevřít: zařízení neexistuje. Zkontrolujte, zda je adaptér USB připojen.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user. Ask the administrator of this computer for access to the device.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Tento uživatel nesmí otevřít %1. Požádejte správce tohoto počítače o přístup k zařízení.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user: access is granted to the group &quot;%2&quot;. Join it with: sudo usermod -aG %2 $USER, then log in again.</source>
        <extracomment>%1 is a port name (COM3), %2 a user group&apos;s name (dialout); &quot;sudo usermod -aG %2 $USER&quot; is a command and stays as it is.</extracomment>
        <translation>Tento uživatel nesmí otevřít %1: přístup má skupina &quot;%2&quot;. Přidejte se do ní příkazem: sudo usermod -aG %2 $USER a pak se znovu přihlaste.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this user may not write the port&apos;s lock file (in /var/lock or /tmp).</source>
        <extracomment>%1 is a port name (COM3); /var/lock and /tmp are folders.</extracomment>
        <translation>%1 nelze otevřít: tento uživatel nesmí zapsat zamykací soubor portu (v /var/lock nebo /tmp).</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 používá jiný program. Zavřete tento program, nebo zvolte jiný port.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2). Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3), %2 the programs holding it (&quot;minicom, process 12&quot;).</extracomment>
        <translation>%1 používá jiný program (%2). Zavřete tento program, nebo zvolte jiný port.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not a serial port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 nelze otevřít: není to sériový port.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the system gave no reason.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 nelze otevřít: systém neuvedl důvod.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>%1 nelze otevřít: %2.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: the USB adapter may have been unplugged.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Spojení s %1 bylo ztraceno: adaptér USB byl možná odpojen.</translation>
    </message>
    <message>
        <source>%1 is not open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 není otevřen.</translation>
    </message>
    <message>
        <source>Sending to %1 failed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Odesílání do %1 selhalo.</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Odesílání do %1 selhalo: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Čtení z %1 selhalo: %2.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port %1 is gone.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Port ESC %1 zmizel.</translation>
    </message>
    <message>
        <source>%1 (linked as %2)</source>
        <extracomment>A port&apos;s tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).</extracomment>
        <translation>%1 (odkazován jako %2)</translation>
    </message>
    <message>
        <source>The USB adapter %1 appeared and vanished again at once: brltty, a braille-display service, may be taking it. If you use no braille display, remove it with: sudo apt remove brltty, then plug the adapter in again.</source>
        <extracomment>%1 is the adapter&apos;s device (/dev/ttyUSB0); brltty is a program&apos;s name and &quot;sudo apt remove brltty&quot; a command: both stay as they are.</extracomment>
        <translation>Adaptér USB %1 se objevil a hned zase zmizel: možná si ho bere brltty, služba pro braillské řádky. Pokud braillský řádek nepoužíváte, odeberte ji příkazem: sudo apt remove brltty a pak adaptér připojte znovu.</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>the %1 has no %2 setting</source>
        <extracomment>%1 is the ESC&apos;s model, %2 a setting&apos;s caption (&quot;BRAKE&quot;).</extracomment>
        <translation>%1 nemá nastavení %2</translation>
    </message>
    <message>
        <source>%1: the %2 has no entry &quot;%3&quot;. Its entries: %4</source>
        <extracomment>%1 is a setting&apos;s caption, %2 the ESC&apos;s model, %3 the entry asked for, %4 the list&apos;s entries.</extracomment>
        <translation>%1: %2 nemá položku &quot;%3&quot;. Jeho položky: %4</translation>
    </message>
    <message>
        <source>the setting rules would change %1. Ask for a combination the rules allow</source>
        <extracomment>%1 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*, BRAKE: ON -&gt; OFF*&quot;.</extracomment>
        <translation>pravidla nastavení by změnila %1. Zadejte kombinaci, kterou pravidla povolují</translation>
    </message>
    <message>
        <source>%1: the setting rules would change %2. Ask for a combination the rules allow</source>
        <extracomment>%1 quotes what the rules said, %2 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*&quot;.</extracomment>
        <translation>%1: pravidla nastavení by změnila %2. Zadejte kombinaci, kterou pravidla povolují</translation>
    </message>
    <message>
        <source>model code %1</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>kód modelu %1</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2, for which the list has no entry; give one</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a code such as 0x9F.</extracomment>
        <translation>%1: ESC nahlásil kód %2, pro který seznam nemá položku; zadejte ji</translation>
    </message>
</context>
<context>
    <name>SettingsCompare</name>
    <message>
        <source>code %1</source>
        <extracomment>A setting&apos;s value that no entry of the list stands for; %1 is the number.</extracomment>
        <translation>kód %1</translation>
    </message>
    <message>
        <source>%1: the ESC has %2, the list shows %3</source>
        <extracomment>%1 is a setting&apos;s caption, %2 what the ESC reported, %3 what the list shows (entries or codes).</extracomment>
        <translation>%1: ESC má %2, seznam ukazuje %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>unknown key %1 is ignored</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>neznámý klíč %1 se ignoruje</translation>
    </message>
    <message>
        <source>unknown key %1 in &quot;model&quot; is ignored</source>
        <translation>neznámý klíč %1 v &quot;model&quot; se ignoruje</translation>
    </message>
    <message>
        <source>unknown key %1 in the setting %2 is ignored</source>
        <extracomment>%1 is a JSON key in quotes, %2 the setting&apos;s key in quotes (&quot;brake&quot;).</extracomment>
        <translation>neznámý klíč %1 v nastavení %2 se ignoruje</translation>
    </message>
    <message>
        <source>model (%1)</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>model (%1)</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 a number, %3 the setting&apos;s caption, %4 the model.</extracomment>
        <translation>nastavení %1 má kód %2, který není položkou %3 pro %4</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery</source>
        <extracomment>%5 is the battery&apos;s chemistry, Li or Ni.</extracomment>
        <translation>nastavení %1 má kód %2, který není položkou %3 pro %4 s baterií %5</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery</source>
        <extracomment>The cutoff kept for the battery family not in use; %5 is that family&apos;s chemistry, Li or Ni.</extracomment>
        <translation>nastavení %1 má kód %2, který není položkou %3 pro %4 při baterii %5</translation>
    </message>
    <message>
        <source>the setting %1 is not an object with &quot;code&quot; and &quot;text&quot;</source>
        <extracomment>%1 is the setting&apos;s key in quotes; &quot;code&quot; and &quot;text&quot; are the file&apos;s keys.</extracomment>
        <translation>nastavení %1 není objekt s &quot;code&quot; a &quot;text&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;code&quot;</source>
        <translation>nastavení %1 nemá &quot;code&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, not a whole number from 0 to 255</source>
        <extracomment>%2 is the code as the file holds it.</extracomment>
        <translation>nastavení %1 má kód %2, což není celé číslo od 0 do 255</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;text&quot;; its code %2 stands for %3</source>
        <extracomment>%2 is a number, %3 the list&apos;s entry in quotes.</extracomment>
        <translation>nastavení %1 nemá &quot;text&quot;; jeho kód %2 znamená %3</translation>
    </message>
    <message>
        <source>the setting %1 has text %2 but its code %3 stands for %4; correct the text or the code</source>
        <extracomment>%2 is the text the file holds, %3 a number, %4 the list&apos;s entry; both texts in quotes.</extracomment>
        <translation>nastavení %1 má text %2, ale jeho kód %3 znamená %4; opravte text nebo kód</translation>
    </message>
    <message>
        <source>it holds the setting %1, which %2 does not have</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 the model.</extracomment>
        <translation>obsahuje nastavení %1, které %2 nemá</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its JSON text is no object)</source>
        <translation>není to soubor nastavení OrvESC (jeho text JSON není objekt)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (it has no &quot;format&quot;)</source>
        <translation>není to soubor nastavení OrvESC (nemá &quot;format&quot;)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its format is %1, not %2)</source>
        <extracomment>%1 is the format the file names, %2 the one OrvESC writes, both in quotes.</extracomment>
        <translation>není to soubor nastavení OrvESC (jeho formát je %1, ne %2)</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or not a whole number from 1 up</source>
        <translation>jeho &quot;version&quot; chybí nebo není celé číslo od 1 výš</translation>
    </message>
    <message>
        <source>it has format version %1, newer than the version %2 this OrvESC reads; open it with a newer OrvESC</source>
        <extracomment>%1 is the file&apos;s format version, %2 the newest this OrvESC reads.</extracomment>
        <translation>má verzi formátu %1, novější než verze %2, kterou čte tento OrvESC; otevřete ho novějším OrvESC</translation>
    </message>
    <message>
        <source>it names no &quot;model&quot;</source>
        <translation>neuvádí žádný &quot;model&quot;</translation>
    </message>
    <message>
        <source>its model has no whole-number &quot;code&quot;</source>
        <translation>jeho model nemá celočíselný &quot;code&quot;</translation>
    </message>
    <message>
        <source>its model code %1 is not a model this tool knows</source>
        <extracomment>%1 is the model code the file holds.</extracomment>
        <translation>jeho kód modelu %1 nepatří žádnému modelu, který tento nástroj zná</translation>
    </message>
    <message>
        <source>it has no &quot;settings&quot; object</source>
        <translation>nemá objekt &quot;settings&quot;</translation>
    </message>
    <message>
        <source>the setting %1 is missing</source>
        <extracomment>%1 is the setting&apos;s key in quotes.</extracomment>
        <translation>nastavení %1 chybí</translation>
    </message>
    <message>
        <source>the model code %1 is not one the tool knows by name, so no settings file can hold it</source>
        <translation>kód modelu %1 tento nástroj nezná podle názvu, proto ho žádný soubor nastavení nemůže obsahovat</translation>
    </message>
    <message>
        <source>no choice is selected for %1</source>
        <extracomment>%1 lists the captions of the settings, &quot;BRAKE, TIMING MODE&quot;.</extracomment>
        <translation>pro %1 není vybrána žádná volba</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>%1 is the file&apos;s size in bytes.</extracomment>
        <translation>je větší než 64 KiB (%1 bajtů), pro soubor nastavení příliš velký</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>není to text JSON</translation>
    </message>
    <message>
        <source>%1 shows an entry that stands for no code of this model: %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1 zobrazuje položku, která neodpovídá žádnému kódu tohoto modelu: %2</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1: ESC nahlásil kód %2</translation>
    </message>
    <message>
        <source>the key %1 appears twice in one place</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>klíč %1 se na jednom místě vyskytuje dvakrát</translation>
    </message>
    <message>
        <source>it ends before its JSON text does (the file is cut short)</source>
        <translation>končí dřív než jeho text JSON (soubor je zkrácený)</translation>
    </message>
    <message>
        <source>it is not JSON text (error at %1)</source>
        <extracomment>%1 is a place in the file, &quot;line 3, column 14&quot;.</extracomment>
        <translation>není to text JSON (chyba na pozici %1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>řádek %1, sloupec %2</translation>
    </message>
    <message>
        <source>it nests values deeper than a settings file does</source>
        <translation>vnořuje hodnoty hlouběji, než to dělá soubor nastavení</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>Soubor nastavení nelze použít<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>Seznamy zůstávají beze změny.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Otevřít nastavení</translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation>Zatím nejsou žádné zálohy. Každé PŘIPOJIT, které přečte nastavení ESC, je uloží do<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Obnovit zálohu</translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation>Tento soubor obsahuje nastavení pro %1, připojený ESC je %2. Nastavení, která nenabízí, si ponechají svou volbu.</translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation>Zkontrolujte, zda soubor neobsahuje překlepy: %1.</translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation>Seznamy již zobrazují nastavení z tohoto souboru.</translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation>Připojený ESC nenabízí:</translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation>Tato nastavení se změní:</translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation>Poté stiskněte ZAPSAT, aby se zapsala do ESC.</translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation>Tato nastavení ze souboru připojený %1 nenabízí, a proto si ponechají svou volbu:</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Nic nebylo uloženo: %1.</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Uložit nastavení jako</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation>Soubor<byte value="xd"/>%1<byte value="xd"/>již existuje. Nahradit ho?</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Nastavení nelze uložit do<byte value="xd"/>%1<byte value="xd"/>(%2). Zvolte jiné umístění.</translation>
    </message>
</context>
<context>
    <name>StationProgramming</name>
    <message>
        <source>Refused: this is a %1, the settings are for a %2. Nothing was written.</source>
        <translation>Odmítnuto: toto je %1, nastavení jsou pro %2. Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>Not programmed: its settings could not be backed up (%1).</source>
        <translation>Nenaprogramováno: jeho nastavení nebylo možné zálohovat (%1).</translation>
    </message>
    <message>
        <source>no backup folder</source>
        <translation>žádná složka pro zálohy</translation>
    </message>
    <message>
        <source>Refused: %1. Nothing was written.</source>
        <translation>Odmítnuto: %1. Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: %2 (command %3 of %4).</source>
        <translation>ESC odmítl %1: %2 (příkaz %3 z %4).</translation>
    </message>
    <message>
        <source>No answer to %1: %2 (command %3 of %4).</source>
        <translation>Žádná odpověď na %1: %2 (příkaz %3 z %4).</translation>
    </message>
    <message>
        <source>Cut short.</source>
        <translation>Přerušeno.</translation>
    </message>
    <message>
        <source>The read-back differs in %1.</source>
        <translation>Zpětné čtení se liší v: %1.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the folder cannot be created</source>
        <extracomment>Why backups cannot be saved, shown in parentheses after the backup folder&apos;s name.</extracomment>
        <translation>složku nelze vytvořit</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>neexistuje</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>je to složka, ne soubor</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is its size in bytes.</extracomment>
        <translation>je větší než 64 KiB (%1 bajtů), pro soubor nastavení příliš velký</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is the system&apos;s reason.</extracomment>
        <translation>nelze ho přečíst (%1)</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Nic nebylo porovnáno: pro %1 není vybrána žádná volba.</translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation>ESC obsahuje zobrazená nastavení.</translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation>ESC přijal všechny příkazy, ale zpětné čtení jeho nastavení ukazuje rozdíly:</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>BRZDA</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATERIE</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation>VYPNUTÍ V/ČL.</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation>REŽIM VYPNUTÍ</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>MĚKKÝ START</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>TYP ČASOVÁNÍ</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>FREKVENCE</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>REVERZ MOTORU</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>REG. OTÁČEK</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>ZPOŽDĚNÍ AKCELERACE</translation>
    </message>
    <message>
        <source>CUTOFF</source>
        <translation>VYPNUTÍ</translation>
    </message>
    <message>
        <source>AUTOCUT</source>
        <translation>AKCE VYP.</translation>
    </message>
    <message>
        <source>TIMING</source>
        <translation>ČASOVÁNÍ</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>MOTOR</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Port COM</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>PŘIPOJIT</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>ZAPSAT</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>ESC Detected</source>
        <translation>ESC nalezen</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programování</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>VÝCHOZÍ</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ZAVŘÍT</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation>Otevřít nastavení...</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Uložit nastavení jako...</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Obnovit zálohu...</translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation>Porovnat s ESC</translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation>Ověřit po ZAPSAT</translation>
    </message>
    <message>
        <source>Program several ESCs...</source>
        <translation>Programovat více ESC...</translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation>%1 - &quot;%2&quot; se otevře po PŘIPOJIT</translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Nic nebylo odesláno: pro %1 není vybrána žádná volba.</translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation>ESC Quorl naprogramován</translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation>%1 funguje, až když PŘIPOJIT přečte nastavení ESC: nejprve připojte ESC.</translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation>Rozhraní PC pro ESC Orvantis</translation>
    </message>
</context>
<context>
    <name>orvesc::SeveralEscsDialog</name>
    <message>
        <source>Program several ESCs</source>
        <translation>Programovat více ESC</translation>
    </message>
    <message>
        <source>The settings the lists show</source>
        <translation>Nastavení zobrazená v seznamech</translation>
    </message>
    <message>
        <source>A settings file:</source>
        <translation>Soubor nastavení:</translation>
    </message>
    <message>
        <source>The model&apos;s factory settings</source>
        <translation>Tovární nastavení modelu</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procházet...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otevřít složku</translation>
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
        <translation>Záznam:</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Soubor nastavení</translation>
    </message>
    <message>
        <source>Settings (*.orvesc.json *.json)</source>
        <translation>Nastavení (*.orvesc.json *.json)</translation>
    </message>
    <message>
        <source>Choose the settings and the port, then press Start.</source>
        <translation>Zvolte nastavení a port a pak stiskněte Start.</translation>
    </message>
    <message>
        <source>Passed: %1  Failed: %2</source>
        <translation>Úspěšné: %1  Neúspěšné: %2</translation>
    </message>
    <message>
        <source>Name a settings file.</source>
        <translation>Zadejte soubor nastavení.</translation>
    </message>
    <message>
        <source>Writes the settings of %1.</source>
        <translation>Zapíše nastavení ze souboru %1.</translation>
    </message>
    <message>
        <source>Writes the settings the lists show, for the %1.</source>
        <translation>Zapíše nastavení zobrazená v seznamech, pro %1.</translation>
    </message>
    <message>
        <source>Writes the factory settings of the %1.</source>
        <translation>Zapíše tovární nastavení pro %1.</translation>
    </message>
    <message>
        <source>Name a settings file, or choose other settings.</source>
        <translation>Zadejte soubor nastavení, nebo zvolte jiná nastavení.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 nelze použít: %2</translation>
    </message>
    <message>
        <source>Writes the settings of %1, for the %2.</source>
        <translation>Zapíše nastavení ze souboru %1, pro %2.</translation>
    </message>
    <message>
        <source>These settings cannot be written: %1.</source>
        <translation>Tato nastavení nelze zapsat: %1.</translation>
    </message>
    <message>
        <source>No port is listed: plug in the PC interface cable.</source>
        <translation>Není uveden žádný port: připojte kabel rozhraní PC.</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>Běh se zastavil.</translation>
    </message>
    <message>
        <source>Unplug the ESC.</source>
        <translation>Odpojte ESC.</translation>
    </message>
    <message>
        <source>Another ESC is on the cable.</source>
        <translation>Na kabelu je jiný ESC.</translation>
    </message>
    <message>
        <source>Plug in the next ESC.</source>
        <translation>Připojte další ESC.</translation>
    </message>
    <message>
        <source>Plug in an ESC.</source>
        <translation>Připojte ESC.</translation>
    </message>
    <message>
        <source>Run ended: %1 passed, %2 failed.</source>
        <translation>Běh ukončen: úspěšné %1, neúspěšné %2.</translation>
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
        <translation>Zastaví se po dokončení tohoto ESC.</translation>
    </message>
    <message>
        <source>Stopping.</source>
        <translation>Zastavuje se.</translation>
    </message>
</context>
<context>
    <name>orvesc::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name (OrvESC).</extracomment>
        <translation>O programu %1</translation>
    </message>
    <message>
        <source>Orvantis ESC PC interface</source>
        <extracomment>Orvantis is a maker&apos;s name; ESC: electronic speed controller.</extracomment>
        <translation>Rozhraní PC pro ESC Orvantis</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number (1.3.1): keep the three parts together as they are.</extracomment>
        <translation>Verze %1.%2.%3</translation>
    </message>
    <message>
        <source>This software will enable programming of a Orvantis ESC when used in conjunction with a Orvantis PC Interface Cable and a PC.
For news and updates visit www.orvantis.example</source>
        <extracomment>Orvantis is a maker&apos;s name; the web address stays as it is.</extracomment>
        <translation>Tento software umožňuje programování ESC Orvantis pomocí kabelu rozhraní PC Orvantis a počítače PC.
Novinky a aktualizace najdete na www.orvantis.example</translation>
    </message>
    <message>
        <source>Warning: this software is provided as is, without warranty of any kind. Orvantis accepts no liability for any damage, injury or loss arising from its use, including from settings written to a speed controller. Remove the propeller before programming.</source>
        <translation>Upozornění: tento software je poskytován tak, jak je, bez jakékoli záruky. Orvantis nenese odpovědnost za žádné škody, zranění ani ztráty vzniklé jeho používáním, včetně nastavení zapsaných do regulátoru otáček. Před programováním sejměte vrtuli.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button that starts the system&apos;s information program; &amp; marks its access key.</extracomment>
        <translation>&amp;Informace o systému...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informace o systému nejsou momentálně k dispozici</translation>
    </message>
</context>
</TS>
