<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Caption</name>
    <message>
        <source>BRAKE</source>
        <translation>ТОРМОЗ</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>БАТАРЕЯ</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <extracomment>The battery voltage per cell at which the ESC cuts the motor.</extracomment>
        <translation>ОТСЕЧКА В/Б</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <extracomment>What the ESC does when the battery reaches the cutoff voltage.</extracomment>
        <translation>РЕЖИМ ОТСЕЧКИ</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>МЯГК. СТАРТ</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>ТАЙМИНГ</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>РЕВЕРС МОТОРА</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>ГОВЕРНОР</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>ЗАДЕРЖКА РАЗГОНА</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <extracomment>The caption above a setting list: the motor&apos;s switching frequency. Short and upper case, like the others.</extracomment>
        <translation>ЧАСТОТА</translation>
    </message>
    <message>
        <source>WARN VOLTAGE</source>
        <extracomment>The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.</extracomment>
        <translation>НАПР. ПРЕДУПР.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 found</source>
        <extracomment>%1 is the ESC&apos;s model name.</extracomment>
        <translation>Найден %1</translation>
    </message>
    <message>
        <source>%1 gets no COM number: all numbers are taken.</source>
        <extracomment>%1 is a device path given with --port.</extracomment>
        <translation>Для %1 нет свободного номера COM: все номера заняты.</translation>
    </message>
    <message>
        <source>set it to 1 in Device Manager: the port&apos;s Properties, Port Settings, Advanced, Latency Timer (msec)</source>
        <translation>установите значение 1 в Диспетчере устройств: свойства порта, «Параметры порта», «Дополнительно», «Таймер задержки (мсек)»</translation>
    </message>
    <message>
        <source>the package&apos;s udev rule sets it to 1 when the adapter is plugged in, or: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <extracomment>%1 is the adapter&apos;s device name in sysfs.</extracomment>
        <translation>правило udev из пакета устанавливает значение 1 при подключении адаптера; или: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2</source>
        <extracomment>%1 the adapter&apos;s latency timer in milliseconds, %2 how to lower it.</extracomment>
        <translation>таймер задержки %1 мс: каждый ответ ждёт в адаптере до %1 мс; %2</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>В списке нет последовательных портов: подключите кабель связи с ПК.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C while programming: the ESC may hold part of the new settings; run the command again on this port.</source>
        <translation>Прервано по Ctrl+C во время записи: регулятор может содержать часть новых настроек; запустите команду на этом порту ещё раз.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C.</source>
        <translation>Прервано по Ctrl+C.</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <extracomment>A port&apos;s failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.</extracomment>
        <translation>%1: ошибка %2: %3</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port.</source>
        <translation>Регулятор не ответил на единственном порту в списке.</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port; none on %1.</source>
        <translation>Регулятор не ответил на единственном порту в списке; на %1 ответа тоже нет.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port.</source>
        <extracomment>%1 names the ports where no ESC answered.</extracomment>
        <translation>
            <numerusform>Регулятор не ответил ни на одном из %n порта в списке.</numerusform>
            <numerusform>Регулятор не ответил ни на одном из %n портов в списке.</numerusform>
            <numerusform>Регулятор не ответил ни на одном из %n портов в списке.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports.</source>
        <translation>
            <numerusform>Регулятор не ответил ни на одном из %n порта в списке.</numerusform>
            <numerusform>Регулятор не ответил ни на одном из %n портов в списке.</numerusform>
            <numerusform>Регулятор не ответил ни на одном из %n портов в списке.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port; none on %1.</source>
        <translation>
            <numerusform>Регулятор не ответил ни на одном из %n порта в списке; на %1 ответа тоже нет.</numerusform>
            <numerusform>Регулятор не ответил ни на одном из %n портов в списке; на %1 ответа тоже нет.</numerusform>
            <numerusform>Регулятор не ответил ни на одном из %n портов в списке; на %1 ответа тоже нет.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports; none on %1.</source>
        <translation>
            <numerusform>Регулятор не ответил ни на одном из %n порта в списке; на %1 ответа тоже нет.</numerusform>
            <numerusform>Регулятор не ответил ни на одном из %n портов в списке; на %1 ответа тоже нет.</numerusform>
            <numerusform>Регулятор не ответил ни на одном из %n портов в списке; на %1 ответа тоже нет.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2).</source>
        <extracomment>%1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Регулятор ответил на %1 из %n порта в списке, ожидалось %2 (--expect %2).</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке, ожидалось %2 (--expect %2).</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке, ожидалось %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2).</source>
        <translation>
            <numerusform>Регулятор ответил на %1 из %n порта в списке, ожидалось %2 (--expect %2).</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке, ожидалось %2 (--expect %2).</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке, ожидалось %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Регулятор ответил на %1 из %n порта в списке, ожидалось %2 (--expect %2); на %3 ответа нет.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке, ожидалось %2 (--expect %2); на %3 ответа нет.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке, ожидалось %2 (--expect %2); на %3 ответа нет.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Регулятор ответил на %1 из %n порта в списке, ожидалось %2 (--expect %2); на %3 ответа нет.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке, ожидалось %2 (--expect %2); на %3 ответа нет.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке, ожидалось %2 (--expect %2); на %3 ответа нет.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port.</source>
        <extracomment>%1 ESCs answered; %2 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Регулятор ответил на %1 из %n порта в списке.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports.</source>
        <translation>
            <numerusform>Регулятор ответил на %1 из %n порта в списке.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port; none on %2.</source>
        <translation>
            <numerusform>Регулятор ответил на %1 из %n порта в списке; на %2 ответа нет.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке; на %2 ответа нет.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке; на %2 ответа нет.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports; none on %2.</source>
        <translation>
            <numerusform>Регулятор ответил на %1 из %n порта в списке; на %2 ответа нет.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке; на %2 ответа нет.</numerusform>
            <numerusform>Регулятор ответил на %1 из %n портов в списке; на %2 ответа нет.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not searched: %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Не опрошены: %1</translation>
    </message>
    <message>
        <source>Check the cable&apos;s connector orientation at each ESC and that it is powered.</source>
        <translation>Проверьте ориентацию разъёма кабеля на каждом регуляторе и наличие питания.</translation>
    </message>
    <message>
        <source>orvesc-cli: error %1: %2</source>
        <translation>orvesc-cli: ошибка %1: %2</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable.</source>
        <translation>в списке нет последовательных портов: подключите кабель связи с ПК.</translation>
    </message>
    <message>
        <source>No listed port can be opened. %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Ни один порт из списка не удаётся открыть. %1</translation>
    </message>
    <message>
        <source>%1 Not searched: %2</source>
        <extracomment>%1 says that no ESC answered, %2 names the ports not opened, with the reason.</extracomment>
        <translation>%1 Не опрошены: %2</translation>
    </message>
    <message>
        <source>Reading the settings failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Не удалось прочитать настройки: %1</translation>
    </message>
    <message>
        <source>No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends).</source>
        <translation>В списке пока нет последовательных портов: подключите кабель связи с ПК (Ctrl+C — выход).</translation>
    </message>
    <message>
        <source>settings of the %1 read: no settings document can hold them (%2), so the JSON holds the codes the ESC reported</source>
        <extracomment>%1 is the model&apos;s name, %2 why no settings document can hold what it reported.</extracomment>
        <translation>настройки %1 прочитаны: ни один файл настроек не может их содержать (%2), поэтому JSON содержит коды, переданные регулятором</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be written.</extracomment>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>no settings file can hold these settings: %1.</source>
        <translation>ни один файл настроек не может содержать эти настройки: %1.</translation>
    </message>
    <message>
        <source>settings of the %1 read and saved in %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>настройки %1 прочитаны и сохранены в %2</translation>
    </message>
    <message>
        <source>settings of the %1 read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>настройки %1 прочитаны</translation>
    </message>
    <message>
        <source>%1: %2 (model code %3)
</source>
        <extracomment>A heading of the settings table: %1 the port, %2 the model&apos;s name, %3 its model code.</extracomment>
        <translation>%1: %2 (код модели %3)
</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot; is not KEY=ENTRY (for example --set brake=on).</source>
        <translation>--set &quot;%1&quot; не в формате КЛЮЧ=ЗНАЧЕНИЕ (например, --set brake=on).</translation>
    </message>
    <message>
        <source>--set: &quot;%1&quot; is not a setting. Settings: %2.</source>
        <extracomment>%1 as typed, %2 the setting keys.</extracomment>
        <translation>--set: &quot;%1&quot; не является настройкой. Настройки: %2.</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not an entry of %3. Entries: %4.</source>
        <extracomment>%1 the key as typed, %2 the entry as typed, %3 the setting&apos;s caption, %4 its entries.</extracomment>
        <translation>--set %1: &quot;%2&quot; не является значением %3. Значения: %4.</translation>
    </message>
    <message>
        <source>--set %1: the %2 has no %3 setting. Its settings: %4.</source>
        <extracomment>%1 the key as typed, %2 the model&apos;s name, %3 the setting&apos;s caption, %4 the model&apos;s setting keys.</extracomment>
        <translation>--set %1: у %2 нет настройки %3. Доступные настройки: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>%1 нельзя использовать: %2.</translation>
    </message>
    <message>
        <source>The settings by their key for --set and settings files, with their caption; the entries each model offers (* marks the factory setting); what they do.</source>
        <translation>Настройки по ключам для --set и файлов настроек, с заголовками; значения, доступные в каждой модели (* — заводское значение); назначение настроек.</translation>
    </message>
    <message>
        <source>every model, battery Ni</source>
        <extracomment>Stands before a setting&apos;s entries where every model offers them, in place of the models&apos; names.</extracomment>
        <translation>все модели, батарея Ni</translation>
    </message>
    <message>
        <source>every model</source>
        <translation>все модели</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable, then start the station again.</source>
        <translation>в списке нет последовательных портов: подключите кабель связи с ПК и запустите станцию снова.</translation>
    </message>
    <message>
        <source>--station works on one cable, and %1 ports are listed: %2. Name the cable&apos;s with --port, e.g. --port %3; nothing was sent.</source>
        <extracomment>%1 the number of ports (always several), %2 the ports, %3 the first of them.</extracomment>
        <translation>--station работает с одним кабелем, а портов в списке несколько (%1): %2. Укажите порт кабеля через --port, например --port %3; ничего не отправлено.</translation>
    </message>
    <message>
        <source>Station: on %1, the only port listed.</source>
        <extracomment>%1 is the port and its device.</extracomment>
        <translation>Станция: порт %1, единственный в списке.</translation>
    </message>
    <message>
        <source>%1 %2  %3  %4  (passed %5, failed %6)%7
</source>
        <extracomment>A station&apos;s result line: %1 PASS or FAIL, %2 the ESC&apos;s number in the run, %3 its model, %4 the port; %5 and %6 the counts so far, %7 nothing or &quot;: error N: what went wrong&quot;.</extracomment>
        <translation>%1 %2  %3  %4  (успешно %5, неудачно %6)%7
</translation>
    </message>
    <message>
        <source>: error %1: %2</source>
        <translation>: ошибка %1: %2</translation>
    </message>
    <message>
        <source>Station: the record of this run goes to %1</source>
        <extracomment>%1 is the record file.</extracomment>
        <translation>Станция: журнал этого сеанса записывается в %1</translation>
    </message>
    <message>
        <source>Station: finishing the ESC being programmed; Ctrl+C again ends at once.</source>
        <translation>Станция: завершается запись текущего регулятора; повторное Ctrl+C — немедленный выход.</translation>
    </message>
    <message>
        <source>Station: %1: cut short by Ctrl+C while programming: the ESC may hold part of the new settings; program it again.</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>Станция: %1: прервано по Ctrl+C во время записи: регулятор может содержать часть новых настроек; запишите его ещё раз.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 The station stops.</source>
        <extracomment>%1 says why the record could not be written.</extracomment>
        <translation>orvesc-cli: %1 Станция останавливается.</translation>
    </message>
    <message>
        <source>Station: unplug the ESC.</source>
        <translation>Станция: отключите регулятор.</translation>
    </message>
    <message>
        <source>Station: another ESC is on the cable.</source>
        <translation>Станция: к кабелю подключён другой регулятор.</translation>
    </message>
    <message>
        <source>Station: plug in the next ESC.</source>
        <translation>Станция: подключите следующий регулятор.</translation>
    </message>
    <message>
        <source>Station: plug in an ESC; Ctrl+C ends.</source>
        <translation>Станция: подключите регулятор; Ctrl+C — выход.</translation>
    </message>
    <message>
        <source>Station ended: %1 passed, %2 failed
</source>
        <translation>Станция завершена: успешно %1, неудачно %2
</translation>
    </message>
    <message>
        <source>The trace file %1 cannot be written: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Не удаётся записать файл трассировки %1: %2.</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, it was programmed with %4
</source>
        <extracomment>%1 the port, %2 the setting&apos;s caption, %3 the entry the ESC reports, %4 the entry programmed.</extracomment>
        <translation>%1: %2: в регуляторе %3, а записано %4
</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, the file has %4
</source>
        <translation>%1: %2: в регуляторе %3, в файле %4
</translation>
    </message>
    <message>
        <source>the settings before the write are kept in %1</source>
        <extracomment>%1 is the backup file.</extracomment>
        <translation>настройки до записи сохранены в %1</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Add --allow-other-model to compare what fits.</source>
        <extracomment>%1 and %3 are model names, %2 and %4 their model codes.</extracomment>
        <translation>Файл содержит настройки %1 (код модели %2), а регулятор — %3 (код модели %4). Добавьте --allow-other-model, чтобы сравнить совместимые настройки.</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Nothing was sent; add --allow-other-model to use what fits.</source>
        <translation>Файл содержит настройки %1 (код модели %2), а регулятор — %3 (код модели %4). Ничего не отправлено; добавьте --allow-other-model, чтобы применить совместимые настройки.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Отказано: %1</translation>
    </message>
    <message>
        <source>Refused, nothing was sent: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Отказано, ничего не отправлено: %1</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it was not compared</source>
        <extracomment>%1 is the model&apos;s name, %2 the file&apos;s settings it lacks (&quot;CAPTION: entry&quot;, comma-separated).</extracomment>
        <translation>%1 не поддерживает %2; эта настройка не сравнивалась</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they were not compared</source>
        <translation>%1 не поддерживает %2; эти настройки не сравнивались</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it keeps its value</source>
        <translation>%1 не поддерживает %2; эта настройка сохраняет своё значение</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they keep their value</source>
        <translation>%1 не поддерживает %2; эти настройки сохраняют свои значения</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <extracomment>%1 says why the file cannot be used.</extracomment>
        <translation>%1 Ничего не отправлено.</translation>
    </message>
    <message>
        <source>the %1 holds the settings of %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>%1 содержит настройки из %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting differs from %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>
            <numerusform>%n настройка отличается от %1</numerusform>
            <numerusform>%n настройки отличаются от %1</numerusform>
            <numerusform>%n настроек отличаются от %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ from %1</source>
        <translation>
            <numerusform>%n настройка отличается от %1</numerusform>
            <numerusform>%n настройки отличаются от %1</numerusform>
            <numerusform>%n настроек отличаются от %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found, settings read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>Найден %1, настройки прочитаны</translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n setting would change), nothing sent</source>
        <extracomment>%1 the number of command bytes, %2 the model&apos;s name; %n settings would change.</extracomment>
        <translation>
            <numerusform>пробный запуск: выведено байт команд для %2: %1 (изменилась бы %n настройка), ничего не отправлено</numerusform>
            <numerusform>пробный запуск: выведено байт команд для %2: %1 (изменились бы %n настройки), ничего не отправлено</numerusform>
            <numerusform>пробный запуск: выведено байт команд для %2: %1 (изменилось бы %n настроек), ничего не отправлено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n settings would change), nothing sent</source>
        <translation>
            <numerusform>пробный запуск: выведено байт команд для %2: %1 (изменилась бы %n настройка), ничего не отправлено</numerusform>
            <numerusform>пробный запуск: выведено байт команд для %2: %1 (изменились бы %n настройки), ничего не отправлено</numerusform>
            <numerusform>пробный запуск: выведено байт команд для %2: %1 (изменилось бы %n настроек), ничего не отправлено</numerusform>
        </translation>
    </message>
    <message>
        <source>Command %1 of %2 (%3) failed: %4</source>
        <extracomment>%1 the command&apos;s number, %2 how many there are, %3 its byte, %4 what went wrong.</extracomment>
        <translation>Команда %1 из %2 (%3) не выполнена: %4</translation>
    </message>
    <message>
        <source>The run was cut short.</source>
        <translation>Выполнение прервано.</translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>готово: %1 запрограммирован (без проверки), изменена %n настройка</numerusform>
            <numerusform>готово: %1 запрограммирован (без проверки), изменены %n настройки</numerusform>
            <numerusform>готово: %1 запрограммирован (без проверки), изменено %n настроек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n settings changed</source>
        <translation>
            <numerusform>готово: %1 запрограммирован (без проверки), изменена %n настройка</numerusform>
            <numerusform>готово: %1 запрограммирован (без проверки), изменены %n настройки</numerusform>
            <numerusform>готово: %1 запрограммирован (без проверки), изменено %n настроек</numerusform>
        </translation>
    </message>
    <message>
        <source>Programmed, but the read-back failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Запрограммировано, но контрольное чтение не удалось: %1</translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n setting</source>
        <translation>
            <numerusform>Контрольное чтение: расхождение в %n настройке</numerusform>
            <numerusform>Контрольное чтение: расхождение в %n настройках</numerusform>
            <numerusform>Контрольное чтение: расхождение в %n настройках</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n settings</source>
        <translation>
            <numerusform>Контрольное чтение: расхождение в %n настройке</numerusform>
            <numerusform>Контрольное чтение: расхождение в %n настройках</numerusform>
            <numerusform>Контрольное чтение: расхождение в %n настройках</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>готово: %1 запрограммирован и проверен, изменена %n настройка</numerusform>
            <numerusform>готово: %1 запрограммирован и проверен, изменены %n настройки</numerusform>
            <numerusform>готово: %1 запрограммирован и проверен, изменено %n настроек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n settings changed</source>
        <translation>
            <numerusform>готово: %1 запрограммирован и проверен, изменена %n настройка</numerusform>
            <numerusform>готово: %1 запрограммирован и проверен, изменены %n настройки</numerusform>
            <numerusform>готово: %1 запрограммирован и проверен, изменено %n настроек</numerusform>
        </translation>
    </message>
    <message>
        <source>(changes)</source>
        <translation>(изменится)</translation>
    </message>
    <message>
        <source>(the ESC has %1)</source>
        <extracomment>%1 is the entry the ESC has now.</extracomment>
        <translation>(в регуляторе: %1)</translation>
    </message>
    <message>
        <source>the settings before the write cannot be backed up (%1); note the codes the ESC reported: %2</source>
        <extracomment>%1 says why, %2 lists the codes.</extracomment>
        <translation>не удаётся сохранить резервную копию настроек до записи (%1); запишите себе коды, переданные регулятором: %2</translation>
    </message>
    <message>
        <source>%1 (command %2 of %3, %4)</source>
        <extracomment>Names a command of a programming run: %1 the setting&apos;s caption and entry, %2 its number, %3 how many there are, %4 its byte.</extracomment>
        <translation>%1 (команда %2 из %3, %4)</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the ones after it were not programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer, %3 the echo it should have sent.</extracomment>
        <translation>Регулятор ответил на %1 значением %2 вместо эха %3; сохранена ли эта настройка, неизвестно; следующие за ней не записаны.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed.</source>
        <translation>Регулятор ответил на %1 значением %2 вместо эха %3; сохранена ли эта настройка, неизвестно; предшествующие ей настройки записаны.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed, the ones after it were not.</source>
        <translation>Регулятор ответил на %1 значением %2 вместо эха %3; сохранена ли эта настройка, неизвестно; предшествующие ей настройки записаны, следующие — нет.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer.</extracomment>
        <translation>Регулятор отклонил %1: ответил %2 вместо 0x01; ничего не записано.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed.</source>
        <translation>Регулятор отклонил %1: ответил %2 вместо 0x01; предшествующие настройки записаны.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed, the ones after it were not.</source>
        <translation>Регулятор отклонил %1: ответил %2 вместо 0x01; предшествующие настройки записаны, следующие — нет.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1
Try &apos;%2&apos;.
</source>
        <extracomment>%1 says what is wrong, %2 is the help command to run.</extracomment>
        <translation>orvesc-cli: %1
Попробуйте &apos;%2&apos;.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: did you mean %2?</source>
        <translation>неизвестная команда &quot;%1&quot;: возможно, имелась в виду %2?</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: the commands are %2.</source>
        <translation>неизвестная команда &quot;%1&quot;: доступные команды: %2.</translation>
    </message>
    <message>
        <source>unknown option %1%2.</source>
        <translation>неизвестный параметр %1%2.</translation>
    </message>
    <message>
        <source>unknown option %1%2: did you mean --%3?</source>
        <translation>неизвестный параметр %1%2: возможно, имелся в виду --%3?</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>неожиданный аргумент &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 не применяется к %2.</translation>
    </message>
    <message>
        <source>%1 applies only to %2.</source>
        <translation>%1 применяется только к %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: give a COM number (COM3 or 3, 1 to 255) or a device path such as /dev/ttyUSB0.</source>
        <translation>&quot;%1&quot; — не порт: укажите номер COM (COM3 или 3, от 1 до 255) или путь к устройству, например /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>--expect takes the number of ESCs that must answer, such as --expect 4; &quot;%1&quot; is none.</source>
        <translation>--expect принимает число регуляторов, которые должны ответить, например --expect 4; &quot;%1&quot; — не число.</translation>
    </message>
    <message>
        <source>--expect counts the ESCs that --all finds: add --all.</source>
        <translation>--expect считает регуляторы, найденные через --all: добавьте --all.</translation>
    </message>
    <message>
        <source>give either --port or --all, not both.</source>
        <translation>укажите либо --port, либо --all, но не оба.</translation>
    </message>
    <message>
        <source>verify needs a settings file: orvesc-cli verify FILE.</source>
        <translation>для verify нужен файл настроек: orvesc-cli verify FILE.</translation>
    </message>
    <message>
        <source>write needs a settings file, --set KEY=ENTRY, or both: nothing to write.</source>
        <translation>для write нужен файл настроек, --set KEY=ENTRY или и то и другое: записывать нечего.</translation>
    </message>
    <message>
        <source>-o writes one ESC&apos;s settings: give one --port, or use --json.</source>
        <translation>-o записывает настройки одного регулятора: укажите один --port или используйте --json.</translation>
    </message>
    <message>
        <source>--station works on one cable: give at most one --port, and no --all.</source>
        <translation>--station работает с одним кабелем: укажите не более одного --port и не используйте --all.</translation>
    </message>
    <message>
        <source>--record keeps the record of a station&apos;s run: add --station.</source>
        <translation>--record сохраняет журнал сеанса станции: добавьте --station.</translation>
    </message>
    <message>
        <source>--station programs every ESC it meets: drop --dry-run.</source>
        <translation>--station программирует каждый подключённый регулятор: уберите --dry-run.</translation>
    </message>
    <message>
        <source>--dry-run sends nothing, so there is nothing to verify: drop --no-verify.</source>
        <translation>--dry-run ничего не отправляет, поэтому проверять нечего: уберите --no-verify.</translation>
    </message>
    <message>
        <source>(linked as %1)</source>
        <extracomment>%1 is the file the port is linked as.</extracomment>
        <translation>(ссылка %1)</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 Nothing was sent.</source>
        <extracomment>%1 says why the record cannot be written.</extracomment>
        <translation>orvesc-cli: %1 Ничего не отправлено.</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation>Сохранить диагностику...</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>таймер задержки %1 мс</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>серийный номер %1</translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation>Диагностика %1 %2, записана %3</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (собрано с %2)</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>Система: %1, ядро %2 %3, %4</translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation>Порты (с COM%1 по COM%2):</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  нет</translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation>Обмен данными (событий: %1, старых отброшено: %2; секунды с момента запуска):</translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Не удалось записать диагностику в %1: %2. Выберите другую папку и сохраните снова.</translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation>Сохранить диагностику</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>OFF</source>
        <extracomment>A drop-down entry: keep it as short. The setting is off.</extracomment>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>A drop-down entry: keep it as short. The setting is on.</extracomment>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>SOFT</source>
        <extracomment>A drop-down entry: keep it as short. A soft brake or a soft timing.</extracomment>
        <translation>МЯГКИЙ</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>A drop-down entry: keep it as short. A hard timing.</extracomment>
        <translation>ЖЁСТК.</translation>
    </message>
    <message>
        <source>AUTO</source>
        <extracomment>A drop-down entry: keep it as short. The ESC picks the timing itself.</extracomment>
        <translation>АВТО</translation>
    </message>
    <message>
        <source>STOP MOTOR</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the motor stops.</extracomment>
        <translation>СТОП МОТОРА</translation>
    </message>
    <message>
        <source>REDUCE POWER</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the power is reduced.</extracomment>
        <translation>СНИЖ.МОЩН.</translation>
    </message>
    <message>
        <source>NO CUT</source>
        <extracomment>A drop-down entry: keep it as short. The motor is never cut at low voltage.</extracomment>
        <translation>БЕЗ ОТС.</translation>
    </message>
    <message>
        <source>ON RANGE 1</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, first speed range.</extracomment>
        <translation>ВКЛ ДИАП. 1</translation>
    </message>
    <message>
        <source>ON RANGE 2</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, second speed range.</extracomment>
        <translation>ВКЛ ДИАП. 2</translation>
    </message>
    <message>
        <source>ON RANGE 3</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, third speed range.</extracomment>
        <translation>ВКЛ ДИАП. 3</translation>
    </message>
    <message>
        <source>GASMODE</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, in its gas mode.</extracomment>
        <translation>РЕЖИМ ГАЗ</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.</extracomment>
        <translation>УРОВЕНЬ1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.</extracomment>
        <translation>УРОВЕНЬ2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.</extracomment>
        <translation>УРОВЕНЬ3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.</extracomment>
        <translation>УРОВЕНЬ4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.</extracomment>
        <translation>УРОВЕНЬ5</translation>
    </message>
    <message>
        <source>LEVEL6</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.</extracomment>
        <translation>УРОВЕНЬ6</translation>
    </message>
    <message>
        <source>LEVEL7</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.</extracomment>
        <translation>УРОВЕНЬ7</translation>
    </message>
    <message>
        <source>LEVEL8</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.</extracomment>
        <translation>УРОВЕНЬ8</translation>
    </message>
    <message>
        <source>LEVEL9</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.</extracomment>
        <translation>УРОВЕНЬ9</translation>
    </message>
    <message>
        <source>LEVEL10</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.</extracomment>
        <translation>УРОВЕНЬ10</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>A drop-down entry: keep it as short. The model has no acceleration delay setting.</extracomment>
        <translation>Недоступно</translation>
    </message>
    <message>
        <source>Ni</source>
        <extracomment>A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside &quot;2S Li&quot; and the like.</extracomment>
        <translation>Ni</translation>
    </message>
    <message>
        <source>(no choice)</source>
        <extracomment>What a list names when none of its entries is chosen.</extracomment>
        <translation>(не выбрано)</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM control off.</source>
        <translation>Что регулятор делает с мотором при сброшенном газе: ВЫКЛ — мотор вращается свободно, ВКЛ и МЯГКИЙ — тормозят его. Тормоз и говернор несовместимы: выбор тормоза отключает говернор.</translation>
    </message>
    <message>
        <source>The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li to 12S Li). Changing it resets the cutoff voltage, so choose the battery first.</source>
        <translation>Батарея, от которой питается регулятор: Ni — никелевые элементы, или число литиевых банок (от 2S Li до 12S Li). При её смене сбрасывается напряжение отсечки, поэтому сначала выберите батарею.</translation>
    </message>
    <message>
        <source>The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. The lowest voltage counts as a hard cut, with which RPM control cannot be on.</source>
        <translation>Напряжение на банку, при котором регулятор реагирует на разряд батареи так, как задано в режиме отсечки. Самое низкое напряжение считается жёсткой отсечкой, при ней говернор включить нельзя.</translation>
    </message>
    <message>
        <source>What the ESC does when the battery falls to the cutoff voltage. RPM control needs a cutoff: NO CUT switches it off.</source>
        <translation>Что делает регулятор, когда батарея разряжается до напряжения отсечки. Говернору нужна отсечка: БЕЗ ОТС. отключает его.</translation>
    </message>
    <message>
        <source>Starts the motor gently rather than at full power at once. RPM control needs soft start: OFF switches RPM control off, and turning RPM control on switches soft start on.</source>
        <translation>Запускает мотор плавно, а не сразу на полной мощности. Говернору нужен мягкий старт: ВЫКЛ отключает говернор, а включение говернора включает мягкий старт.</translation>
    </message>
    <message>
        <source>The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer fixed angles. Which timing suits a motor, see the motor&apos;s or the ESC&apos;s manual.</source>
        <translation>Тайминг мотора: при АВТО его выбирает регулятор; модели на 10 и 12 банок предлагают также фиксированные углы. Какой тайминг подходит мотору, см. инструкцию к мотору или регулятору.</translation>
    </message>
    <message>
        <source>The frequency at which the ESC switches the motor&apos;s power. Which suits a motor, see the ESC&apos;s manual. The W models have a warn voltage in its place.</source>
        <translation>Частота, с которой регулятор коммутирует питание мотора. Какая подходит мотору, см. инструкцию к регулятору. У моделей W вместо неё — напряжение предупреждения.</translation>
    </message>
    <message>
        <source>Offered by the W models in place of the frequency. What the ESC warns of at this voltage, and how, see the ESC&apos;s manual.</source>
        <translation>Есть у моделей W вместо частоты. О чём и как регулятор предупреждает при этом напряжении, см. инструкцию к регулятору.</translation>
    </message>
    <message>
        <source>ON makes the motor turn the other way round.</source>
        <translation>ВКЛ заставляет мотор вращаться в обратную сторону.</translation>
    </message>
    <message>
        <source>Keeps the motor&apos;s speed under the ESC&apos;s control, in one of its ranges (see the ESC&apos;s manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to REDUCE POWER.</source>
        <translation>Регулятор поддерживает обороты мотора в одном из своих диапазонов (см. инструкцию к регулятору). Не работает с тормозом, без мягкого старта, в режиме БЕЗ ОТС. и при самом низком напряжении отсечки: включение говернора выключает тормоз, включает мягкий старт и меняет СТОП МОТОРА на СНИЖ. МОЩНОСТИ.</translation>
    </message>
    <message>
        <source>How quickly the motor may follow the throttle, in ten levels; what each level means, see the ESC&apos;s manual. Only the R9 models for 10 and 12 cells have it.</source>
        <translation>Как быстро мотор может следовать за газом, десять уровней; что означает каждый уровень, см. инструкцию к регулятору. Есть только у моделей R9 на 10 и 12 банок.</translation>
    </message>
    <message>
        <source>A softer brake than ON; how soft, see the ESC&apos;s manual. It counts as a brake: RPM control is switched off.</source>
        <translation>Более мягкий тормоз, чем ВКЛ; насколько мягкий, см. инструкцию к регулятору. Считается тормозом: говернор отключается.</translation>
    </message>
    <message>
        <source>Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per cell.</source>
        <translation>Никелевые элементы: список отсечки предлагает напряжения для никелевых элементов, от 0.6 V до 0.9 V на элемент.</translation>
    </message>
    <message>
        <source>The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE POWER.</source>
        <translation>Мотор останавливается при напряжении отсечки. Включение говернора меняет это значение на СНИЖ. МОЩНОСТИ.</translation>
    </message>
    <message>
        <source>The ESC reduces the motor&apos;s power at the cutoff voltage instead of stopping it.</source>
        <translation>Регулятор снижает мощность мотора при напряжении отсечки, а не останавливает его.</translation>
    </message>
    <message>
        <source>No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control is switched off.</source>
        <translation>Без отсечки: регулятор продолжает вращать мотор, как бы сильно ни разрядилась батарея. Говернор отключается.</translation>
    </message>
    <message>
        <source>A fixed soft timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Фиксированный мягкий тайминг; его угол см. в инструкции к регулятору.</translation>
    </message>
    <message>
        <source>A fixed hard timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Фиксированный жёсткий тайминг; его угол см. в инструкции к регулятору.</translation>
    </message>
    <message>
        <source>The ESC chooses the timing itself.</source>
        <translation>Регулятор сам выбирает тайминг.</translation>
    </message>
    <message>
        <source>Offered by the R9 models besides the ranges; it counts as RPM control on. What it does, see the ESC&apos;s manual.</source>
        <translation>Есть у моделей R9 помимо диапазонов; считается включённым говернором. Что он делает, см. инструкцию к регулятору.</translation>
    </message>
    <message>
        <source>This model has no acceleration delay.</source>
        <translation>У этой модели нет задержки разгона.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>These ports could not be opened, so no ESC was looked for there:</source>
        <extracomment>Followed by one line per port saying why it could not be opened.</extracomment>
        <translation>Эти порты не удалось открыть, поэтому регулятор на них не искался:</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and press CONNECT.</source>
        <extracomment>COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0). CONNECT is a button: use its translated name.</extracomment>
        <translation>Порт регулятора COM%1 (%2) пропал: снова подключите кабель и нажмите «СОЕДИНИТЬ».</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and run the command again.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Порт регулятора COM%1 (%2) пропал: снова подключите кабель и запустите команду ещё раз.</translation>
    </message>
    <message>
        <source>The setting code %1 cannot be sent: a command is one byte, 0 to 255. Nothing was sent to the ESC.</source>
        <extracomment>%1 is the number that was to be sent.</extracomment>
        <translation>Код настройки %1 нельзя отправить: команда — это один байт, от 0 до 255. В регулятор ничего не отправлено.</translation>
    </message>
    <message>
        <source>Orvantis Controller Not Found!<byte value="xd"/><byte value="xd"/>• Check the PC Cable Adapter&apos;s connector orientation at your ESC<byte value="xd"/><byte value="xd"/>• Check Windows Device Manager to insure that device drivers for<byte value="xd"/>  your USB Adapter cable are properly loaded, and that a Serial Port<byte value="xd"/>  has been created by the USB adapter</source>
        <extracomment>A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a maker&apos;s name; Device Manager is the name of the Windows program.</extracomment>
        <translation>Регулятор Orvantis не найден!<byte value="xd"/><byte value="xd"/>• Проверьте ориентацию разъёма кабеля-адаптера ПК на регуляторе<byte value="xd"/><byte value="xd"/>• Проверьте в Диспетчере устройств Windows, что драйверы<byte value="xd"/>  USB-кабеля адаптера загружены правильно и что USB-адаптер<byte value="xd"/>  создал последовательный порт</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Ошибка связи</translation>
    </message>
    <message>
        <source>No COM port is selected: the port list is empty, or the selected entry has no port number (only the first ten listed ports can be used).</source>
        <extracomment>COM port: a serial port as the port list names it (COM1, COM2...).</extracomment>
        <translation>COM-порт не выбран: список портов пуст или у выбранного элемента нет номера порта (можно использовать только первые десять портов списка).</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>В списке нет последовательных портов: подключите кабель связи с ПК.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports. Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>%n is the number of ports searched, always 2 or more.</extracomment>
        <translation>
            <numerusform>Регулятор не ответил ни на одном из %n порта в списке. Проверьте ориентацию разъёма кабеля на регуляторе и наличие питания на регуляторе.</numerusform>
            <numerusform>Регулятор не ответил ни на одном из %n портов в списке. Проверьте ориентацию разъёма кабеля на регуляторе и наличие питания на регуляторе.</numerusform>
            <numerusform>Регулятор не ответил ни на одном из %n портов в списке. Проверьте ориентацию разъёма кабеля на регуляторе и наличие питания на регуляторе.</numerusform>
        </translation>
    </message>
    <message>
        <source>No ESC answered on COM%1 (%2). Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Регулятор не ответил на COM%1 (%2). Проверьте ориентацию разъёма кабеля на регуляторе и наличие питания на регуляторе.</translation>
    </message>
    <message>
        <source>the reply began with 0x00.</source>
        <extracomment>The command line&apos;s reason why a read failed, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>ответ начался с 0x00.</translation>
    </message>
    <message>
        <source>the run was cut short.</source>
        <extracomment>The command line&apos;s reason why a run ended, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>выполнение прервано.</translation>
    </message>
    <message>
        <source>Backups are off until OrvESC is started again: the settings cannot be saved in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have backups.</source>
        <extracomment>A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Резервное копирование отключено до перезапуска OrvESC: настройки нельзя сохранить в<byte value="xd"/>%1<byte value="xd"/>(%2). «СОЕДИНИТЬ», «ЗАПИСАТЬ» и «СБРОС» работают как прежде; чтобы включить резервные копии, сделайте папку доступной для записи.</translation>
    </message>
    <message>
        <source>backups are off for this run: the settings cannot be saved in %1 (%2); the write goes on. Make the folder writable to have backups.</source>
        <extracomment>A command-line note after the port&apos;s name and a colon, so it starts lower case. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;).</extracomment>
        <translation>резервное копирование в этом запуске отключено: настройки нельзя сохранить в %1 (%2); запись продолжается. Чтобы включить резервные копии, сделайте папку доступной для записи.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>RPM Control Disabled with Brake</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Говернор отключён: включён тормоз</translation>
    </message>
    <message>
        <source>RPM Control Disabled with Hard Cut LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Говернор отключён: жёсткая отсечка LVC</translation>
    </message>
    <message>
        <source>RPM Control Disabled without SoftStart</source>
        <extracomment>A message box after the user changed a setting.</extracomment>
        <translation>Говернор отключён: нет мягкого старта</translation>
    </message>
    <message>
        <source>RPM Control Disabled without LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Говернор отключён: нет отсечки LVC</translation>
    </message>
    <message>
        <source>Brake Disabled  / Softstart enabled with RPM Control</source>
        <extracomment>A message box after the user changed a setting: two corrections made at once.</extracomment>
        <translation>Тормоз отключён / мягкий старт включён для говернора</translation>
    </message>
    <message>
        <source>The ESC reported settings that this tool cannot show (their lists are left empty):</source>
        <extracomment>The first line of a message box; one line per setting follows.</extracomment>
        <translation>Регулятор сообщил настройки, которые эта программа не может показать (их списки оставлены пустыми):</translation>
    </message>
    <message>
        <source>No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.</source>
        <extracomment>The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Эти коды нельзя сохранить в резервной копии: запишите их себе до того, как «ЗАПИСАТЬ» или «СБРОС» их перезапишет.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation>Настройки OrvESC (*.orvesc.json);;Файлы JSON (*.json);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>No record file is named: name one.</source>
        <translation>Файл журнала не указан: укажите его.</translation>
    </message>
    <message>
        <source>The record file %1 is a folder: name a file.</source>
        <translation>Файл журнала %1 — это папка: укажите файл.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be read: %2.</source>
        <translation>Не удаётся прочитать файл журнала %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a record of OrvESC&apos;s runs (its first line differs): name another file.</source>
        <translation>%1 не является журналом сеансов OrvESC (его первая строка отличается): укажите другой файл.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be written: %2.</source>
        <translation>Не удаётся записать файл журнала %1: %2.</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>process %1</source>
        <extracomment>A program holding a serial port, known only by its process number %1.</extracomment>
        <translation>процесс %1</translation>
    </message>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a serial port: %1 its name, %2 its process number.</extracomment>
        <translation>%1, процесс %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the programs of a list in parentheses: &quot;(minicom, process 12; process 14)&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the names of two system services, or of a list of them and one more: &quot;ModemManager and gpsd&quot;.</extracomment>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 is running and may hold it. Stop it with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 a system service&apos;s name, %3 its unit; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 занят другой программой; запущена служба %2, которая может его удерживать. Остановите её командой: sudo systemctl stop %3, затем повторите попытку.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 are running and may hold it. Stop them with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 the names of two or more system services, %3 their units; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 занят другой программой; запущены службы %2, которые могут его удерживать. Остановите их командой: sudo systemctl stop %3, затем повторите попытку.</translation>
    </message>
    <message>
        <source>There is no %1: no serial port or USB adapter has that number. Check that the adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM12).</extracomment>
        <translation>Порта %1 нет: нет последовательного порта или USB-адаптера с таким номером. Проверьте, подключён ли адаптер.</translation>
    </message>
    <message>
        <source>%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.</source>
        <extracomment>%1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.</extracomment>
        <translation>%1 — не номер порта, который может использовать эта программа: допустимы номера с COM%2 по COM%3.</translation>
    </message>
    <message>
        <source>%1 is open: the port number can only change while the port is closed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 открыт: номер порта можно изменить, только когда порт закрыт.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting the serial port can take (it should read like 19200,N,8,1).</source>
        <extracomment>%1 is the text given; &quot;19200,N,8,1&quot; is a setting as the port takes it and stays as it is.</extracomment>
        <translation>&quot;%1&quot; — недопустимые параметры линии для последовательного порта (ожидается вид 19200,N,8,1).</translation>
    </message>
    <message>
        <source>%1 is not a read length (0 reads everything waiting).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 — недопустимая длина чтения (0 — прочитать всё, что ожидает).</translation>
    </message>
    <message>
        <source>%1 is not a read mode (0 text, 1 bytes).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 — недопустимый режим чтения (0 — текст, 1 — байты).</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1).</extracomment>
        <translation>%1 не принимает параметры линии %2.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2: %3.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system&apos;s reason.</extracomment>
        <translation>%1 не принимает параметры линии %2: %3.</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 уже открыт.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist. Check that the USB adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Не удаётся открыть %1: устройство не существует. Проверьте, подключён ли USB-адаптер.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user. Ask the administrator of this computer for access to the device.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Этому пользователю нельзя открывать %1. Попросите администратора компьютера предоставить доступ к устройству.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user: access is granted to the group &quot;%2&quot;. Join it with: sudo usermod -aG %2 $USER, then log in again.</source>
        <extracomment>%1 is a port name (COM3), %2 a user group&apos;s name (dialout); &quot;sudo usermod -aG %2 $USER&quot; is a command and stays as it is.</extracomment>
        <translation>Этому пользователю нельзя открывать %1: доступ предоставлен группе &quot;%2&quot;. Вступите в неё командой: sudo usermod -aG %2 $USER, затем войдите в систему заново.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this user may not write the port&apos;s lock file (in /var/lock or /tmp).</source>
        <extracomment>%1 is a port name (COM3); /var/lock and /tmp are folders.</extracomment>
        <translation>Не удаётся открыть %1: этот пользователь не может записать файл блокировки порта (в /var/lock или /tmp).</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 занят другой программой. Закройте её или выберите другой порт.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2). Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3), %2 the programs holding it (&quot;minicom, process 12&quot;).</extracomment>
        <translation>%1 занят другой программой (%2). Закройте её или выберите другой порт.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not a serial port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Не удаётся открыть %1: это не последовательный порт.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the system gave no reason.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Не удаётся открыть %1: система не сообщила причину.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Не удаётся открыть %1: %2.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: the USB adapter may have been unplugged.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Связь с %1 потеряна: возможно, USB-адаптер был отключён.</translation>
    </message>
    <message>
        <source>%1 is not open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 не открыт.</translation>
    </message>
    <message>
        <source>Sending to %1 failed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Не удалось отправить данные в %1.</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Не удалось отправить данные в %1: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Не удалось прочитать данные из %1: %2.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port %1 is gone.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Порт регулятора %1 пропал.</translation>
    </message>
    <message>
        <source>%1 (linked as %2)</source>
        <extracomment>A port&apos;s tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).</extracomment>
        <translation>%1 (ссылка %2)</translation>
    </message>
    <message>
        <source>The USB adapter %1 appeared and vanished again at once: brltty, a braille-display service, may be taking it. If you use no braille display, remove it with: sudo apt remove brltty, then plug the adapter in again.</source>
        <extracomment>%1 is the adapter&apos;s device (/dev/ttyUSB0); brltty is a program&apos;s name and &quot;sudo apt remove brltty&quot; a command: both stay as they are.</extracomment>
        <translation>USB-адаптер %1 появился и сразу исчез: возможно, его захватывает brltty — служба для дисплеев Брайля. Если вы не пользуетесь дисплеем Брайля, удалите её командой: sudo apt remove brltty, затем снова подключите адаптер.</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>the %1 has no %2 setting</source>
        <extracomment>%1 is the ESC&apos;s model, %2 a setting&apos;s caption (&quot;BRAKE&quot;).</extracomment>
        <translation>у %1 нет настройки %2</translation>
    </message>
    <message>
        <source>%1: the %2 has no entry &quot;%3&quot;. Its entries: %4</source>
        <extracomment>%1 is a setting&apos;s caption, %2 the ESC&apos;s model, %3 the entry asked for, %4 the list&apos;s entries.</extracomment>
        <translation>%1: у %2 нет значения &quot;%3&quot;. Доступные значения: %4</translation>
    </message>
    <message>
        <source>the setting rules would change %1. Ask for a combination the rules allow</source>
        <extracomment>%1 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*, BRAKE: ON -&gt; OFF*&quot;.</extracomment>
        <translation>правила настроек изменили бы %1. Запросите сочетание, допустимое по правилам</translation>
    </message>
    <message>
        <source>%1: the setting rules would change %2. Ask for a combination the rules allow</source>
        <extracomment>%1 quotes what the rules said, %2 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*&quot;.</extracomment>
        <translation>%1: правила настроек изменили бы %2. Запросите сочетание, допустимое по правилам</translation>
    </message>
    <message>
        <source>model code %1</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>код модели %1</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2, for which the list has no entry; give one</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a code such as 0x9F.</extracomment>
        <translation>%1: регулятор сообщил код %2, для которого в списке нет значения; выберите значение</translation>
    </message>
</context>
<context>
    <name>SettingsCompare</name>
    <message>
        <source>code %1</source>
        <extracomment>A setting&apos;s value that no entry of the list stands for; %1 is the number.</extracomment>
        <translation>код %1</translation>
    </message>
    <message>
        <source>%1: the ESC has %2, the list shows %3</source>
        <extracomment>%1 is a setting&apos;s caption, %2 what the ESC reported, %3 what the list shows (entries or codes).</extracomment>
        <translation>%1: в регуляторе %2, в списке %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>unknown key %1 is ignored</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>неизвестный ключ %1 пропущен</translation>
    </message>
    <message>
        <source>unknown key %1 in &quot;model&quot; is ignored</source>
        <translation>неизвестный ключ %1 в &quot;model&quot; пропущен</translation>
    </message>
    <message>
        <source>unknown key %1 in the setting %2 is ignored</source>
        <extracomment>%1 is a JSON key in quotes, %2 the setting&apos;s key in quotes (&quot;brake&quot;).</extracomment>
        <translation>неизвестный ключ %1 в настройке %2 пропущен</translation>
    </message>
    <message>
        <source>model (%1)</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>модель (%1)</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 a number, %3 the setting&apos;s caption, %4 the model.</extracomment>
        <translation>у настройки %1 код %2, которому не соответствует ни одно значение %3 для %4</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery</source>
        <extracomment>%5 is the battery&apos;s chemistry, Li or Ni.</extracomment>
        <translation>у настройки %1 код %2, которому не соответствует ни одно значение %3 для %4 с батареей %5</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery</source>
        <extracomment>The cutoff kept for the battery family not in use; %5 is that family&apos;s chemistry, Li or Ni.</extracomment>
        <translation>у настройки %1 код %2, которому не соответствует ни одно значение %3 у %4 для батареи %5</translation>
    </message>
    <message>
        <source>the setting %1 is not an object with &quot;code&quot; and &quot;text&quot;</source>
        <extracomment>%1 is the setting&apos;s key in quotes; &quot;code&quot; and &quot;text&quot; are the file&apos;s keys.</extracomment>
        <translation>настройка %1 не является объектом с &quot;code&quot; и &quot;text&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;code&quot;</source>
        <translation>у настройки %1 нет &quot;code&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, not a whole number from 0 to 255</source>
        <extracomment>%2 is the code as the file holds it.</extracomment>
        <translation>у настройки %1 код %2 — это не целое число от 0 до 255</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;text&quot;; its code %2 stands for %3</source>
        <extracomment>%2 is a number, %3 the list&apos;s entry in quotes.</extracomment>
        <translation>у настройки %1 нет &quot;text&quot;; её код %2 означает %3</translation>
    </message>
    <message>
        <source>the setting %1 has text %2 but its code %3 stands for %4; correct the text or the code</source>
        <extracomment>%2 is the text the file holds, %3 a number, %4 the list&apos;s entry; both texts in quotes.</extracomment>
        <translation>у настройки %1 текст %2, но её код %3 означает %4; исправьте текст или код</translation>
    </message>
    <message>
        <source>it holds the setting %1, which %2 does not have</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 the model.</extracomment>
        <translation>он содержит настройку %1, которой нет у %2</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its JSON text is no object)</source>
        <translation>это не файл настроек OrvESC (его текст JSON не является объектом)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (it has no &quot;format&quot;)</source>
        <translation>это не файл настроек OrvESC (в нём нет &quot;format&quot;)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its format is %1, not %2)</source>
        <extracomment>%1 is the format the file names, %2 the one OrvESC writes, both in quotes.</extracomment>
        <translation>это не файл настроек OrvESC (его формат %1, а не %2)</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or not a whole number from 1 up</source>
        <translation>поле &quot;version&quot; отсутствует или не является целым числом от 1 и выше</translation>
    </message>
    <message>
        <source>it has format version %1, newer than the version %2 this OrvESC reads; open it with a newer OrvESC</source>
        <extracomment>%1 is the file&apos;s format version, %2 the newest this OrvESC reads.</extracomment>
        <translation>у него версия формата %1, новее версии %2, которую читает этот OrvESC; откройте его в более новой версии OrvESC</translation>
    </message>
    <message>
        <source>it names no &quot;model&quot;</source>
        <translation>в нём нет &quot;model&quot;</translation>
    </message>
    <message>
        <source>its model has no whole-number &quot;code&quot;</source>
        <translation>у его модели нет целочисленного &quot;code&quot;</translation>
    </message>
    <message>
        <source>its model code %1 is not a model this tool knows</source>
        <extracomment>%1 is the model code the file holds.</extracomment>
        <translation>код модели %1 не соответствует ни одной модели, известной этой программе</translation>
    </message>
    <message>
        <source>it has no &quot;settings&quot; object</source>
        <translation>в нём нет объекта &quot;settings&quot;</translation>
    </message>
    <message>
        <source>the setting %1 is missing</source>
        <extracomment>%1 is the setting&apos;s key in quotes.</extracomment>
        <translation>настройка %1 отсутствует</translation>
    </message>
    <message>
        <source>the model code %1 is not one the tool knows by name, so no settings file can hold it</source>
        <translation>код модели %1 не сопоставлен программой ни с одним названием, поэтому ни один файл настроек не может его содержать</translation>
    </message>
    <message>
        <source>no choice is selected for %1</source>
        <extracomment>%1 lists the captions of the settings, &quot;BRAKE, TIMING MODE&quot;.</extracomment>
        <translation>не выбрано значение для %1</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>%1 is the file&apos;s size in bytes.</extracomment>
        <translation>он больше 64 KiB (%1 байт) — слишком велик для файла настроек</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>это не текст JSON</translation>
    </message>
    <message>
        <source>%1 shows an entry that stands for no code of this model: %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1 показывает значение, которому не соответствует ни один код этой модели: %2</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1: регулятор сообщил код %2</translation>
    </message>
    <message>
        <source>the key %1 appears twice in one place</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>ключ %1 встречается дважды в одном месте</translation>
    </message>
    <message>
        <source>it ends before its JSON text does (the file is cut short)</source>
        <translation>он заканчивается раньше, чем его текст JSON (файл обрезан)</translation>
    </message>
    <message>
        <source>it is not JSON text (error at %1)</source>
        <extracomment>%1 is a place in the file, &quot;line 3, column 14&quot;.</extracomment>
        <translation>это не текст JSON (ошибка: %1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>строка %1, столбец %2</translation>
    </message>
    <message>
        <source>it nests values deeper than a settings file does</source>
        <translation>в нём значения вложены глубже, чем бывает в файле настроек</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>Не удаётся использовать файл настроек<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>Списки не изменены.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Открыть настройки</translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation>Резервных копий пока нет. Каждое нажатие «СОЕДИНИТЬ», при котором читаются настройки регулятора, сохраняет их в<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Восстановить из резервной копии</translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation>Этот файл содержит настройки %1, а подключённый регулятор — %2. Настройки, которых у него нет, остаются без изменений.</translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation>Проверьте файл на опечатки: %1.</translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation>Списки уже показывают настройки из этого файла.</translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation>Подключённый регулятор не поддерживает:</translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation>Эти настройки изменятся:</translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation>Затем нажмите «ЗАПИСАТЬ», чтобы записать их в регулятор.</translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation>Эти настройки из файла не поддерживаются подключённым регулятором %1 и остаются без изменений:</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Ничего не сохранено: %1.</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Сохранить настройки как</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation>Файл<byte value="xd"/>%1<byte value="xd"/>уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Не удалось сохранить настройки в<byte value="xd"/>%1<byte value="xd"/>(%2). Выберите другое место.</translation>
    </message>
</context>
<context>
    <name>StationProgramming</name>
    <message>
        <source>Refused: this is a %1, the settings are for a %2. Nothing was written.</source>
        <translation>Отказано: это %1, а настройки предназначены для %2. Ничего не записано.</translation>
    </message>
    <message>
        <source>Not programmed: its settings could not be backed up (%1).</source>
        <translation>Не записано: не удалось сохранить резервную копию настроек (%1).</translation>
    </message>
    <message>
        <source>no backup folder</source>
        <translation>нет папки резервных копий</translation>
    </message>
    <message>
        <source>Refused: %1. Nothing was written.</source>
        <translation>Отказано: %1. Ничего не записано.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: %2 (command %3 of %4).</source>
        <translation>Регулятор отклонил %1: %2 (команда %3 из %4).</translation>
    </message>
    <message>
        <source>No answer to %1: %2 (command %3 of %4).</source>
        <translation>Нет ответа на %1: %2 (команда %3 из %4).</translation>
    </message>
    <message>
        <source>Cut short.</source>
        <translation>Прервано.</translation>
    </message>
    <message>
        <source>The read-back differs in %1.</source>
        <translation>Контрольное чтение: расхождения в %1.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the folder cannot be created</source>
        <extracomment>Why backups cannot be saved, shown in parentheses after the backup folder&apos;s name.</extracomment>
        <translation>не удаётся создать папку</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>он не существует</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is its size in bytes.</extracomment>
        <translation>он больше 64 KiB (%1 байт) — слишком велик для файла настроек</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is the system&apos;s reason.</extracomment>
        <translation>его не удаётся прочитать (%1)</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Ничего не сравнивалось: не выбрано значение для %1.</translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation>В регуляторе записаны показанные настройки.</translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation>Регулятор принял все команды, но контрольное чтение настроек показывает расхождения:</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>ТОРМОЗ</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>БАТАРЕЯ</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation>ОТСЕЧКА В/Б</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation>РЕЖИМ ОТСЕЧКИ</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>МЯГК. СТАРТ</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>ТАЙМИНГ</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>ЧАСТОТА</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>РЕВЕРС МОТОРА</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>ГОВЕРНОР</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>ЗАДЕРЖКА РАЗГОНА</translation>
    </message>
    <message>
        <source>CUTOFF</source>
        <translation>ОТСЕЧКА</translation>
    </message>
    <message>
        <source>AUTOCUT</source>
        <translation>РЕЖ. ОТС.</translation>
    </message>
    <message>
        <source>TIMING</source>
        <translation>ТАЙМИНГ</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>МОТОР</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM-порт</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>СОЕДИНИТЬ</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>ЗАПИСАТЬ</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>ESC Detected</source>
        <translation>ESC найден</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>СБРОС</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>ЗАКРЫТЬ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation>Открыть настройки...</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Сохранить настройки как...</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Восстановить из резервной копии...</translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation>Сравнить с регулятором</translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation>Проверять после «ЗАПИСАТЬ»</translation>
    </message>
    <message>
        <source>Program several ESCs...</source>
        <translation>Записать несколько регуляторов...</translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation>%1 - &quot;%2&quot; откроется после «СОЕДИНИТЬ»</translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Ничего не отправлено: не выбрано значение для %1.</translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation>Регулятор Quorl запрограммирован</translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation>«%1» работает только после того, как «СОЕДИНИТЬ» прочитает настройки регулятора: сначала подключите регулятор.</translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation>Orvantis ESC — интерфейс ПК</translation>
    </message>
</context>
<context>
    <name>orvesc::SeveralEscsDialog</name>
    <message>
        <source>Program several ESCs</source>
        <translation>Запись нескольких регуляторов</translation>
    </message>
    <message>
        <source>The settings the lists show</source>
        <translation>Настройки, показанные в списках</translation>
    </message>
    <message>
        <source>A settings file:</source>
        <translation>Файл настроек:</translation>
    </message>
    <message>
        <source>The model&apos;s factory settings</source>
        <translation>Заводские настройки модели</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Журнал:</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Файл настроек</translation>
    </message>
    <message>
        <source>Settings (*.orvesc.json *.json)</source>
        <translation>Настройки (*.orvesc.json *.json)</translation>
    </message>
    <message>
        <source>Choose the settings and the port, then press Start.</source>
        <translation>Выберите настройки и порт, затем нажмите «Старт».</translation>
    </message>
    <message>
        <source>Passed: %1  Failed: %2</source>
        <translation>Успешно: %1  Неудачно: %2</translation>
    </message>
    <message>
        <source>Name a settings file.</source>
        <translation>Укажите файл настроек.</translation>
    </message>
    <message>
        <source>Writes the settings of %1.</source>
        <translation>Записывает настройки из %1.</translation>
    </message>
    <message>
        <source>Writes the settings the lists show, for the %1.</source>
        <translation>Записывает настройки, показанные в списках, для %1.</translation>
    </message>
    <message>
        <source>Writes the factory settings of the %1.</source>
        <translation>Записывает заводские настройки %1.</translation>
    </message>
    <message>
        <source>Name a settings file, or choose other settings.</source>
        <translation>Укажите файл настроек или выберите другие настройки.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>Writes the settings of %1, for the %2.</source>
        <translation>Записывает настройки из %1 для %2.</translation>
    </message>
    <message>
        <source>These settings cannot be written: %1.</source>
        <translation>Эти настройки нельзя записать: %1.</translation>
    </message>
    <message>
        <source>No port is listed: plug in the PC interface cable.</source>
        <translation>В списке нет портов: подключите кабель связи с ПК.</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>Сеанс остановлен.</translation>
    </message>
    <message>
        <source>Unplug the ESC.</source>
        <translation>Отключите регулятор.</translation>
    </message>
    <message>
        <source>Another ESC is on the cable.</source>
        <translation>К кабелю подключён другой регулятор.</translation>
    </message>
    <message>
        <source>Plug in the next ESC.</source>
        <translation>Подключите следующий регулятор.</translation>
    </message>
    <message>
        <source>Plug in an ESC.</source>
        <translation>Подключите регулятор.</translation>
    </message>
    <message>
        <source>Run ended: %1 passed, %2 failed.</source>
        <translation>Сеанс завершён: успешно %1, неудачно %2.</translation>
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
        <translation>Остановка после завершения этого регулятора.</translation>
    </message>
    <message>
        <source>Stopping.</source>
        <translation>Остановка.</translation>
    </message>
</context>
<context>
    <name>orvesc::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name (OrvESC).</extracomment>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Orvantis ESC PC interface</source>
        <extracomment>Orvantis is a maker&apos;s name; ESC: electronic speed controller.</extracomment>
        <translation>Интерфейс ПК для регуляторов Orvantis</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number (1.3.1): keep the three parts together as they are.</extracomment>
        <translation>Версия %1.%2.%3</translation>
    </message>
    <message>
        <source>This software will enable programming of a Orvantis ESC when used in conjunction with a Orvantis PC Interface Cable and a PC.
For news and updates visit www.orvantis.example</source>
        <extracomment>Orvantis is a maker&apos;s name; the web address stays as it is.</extracomment>
        <translation>Эта программа позволяет программировать регуляторы Orvantis с помощью кабеля Orvantis PC Interface и компьютера.
Новости и обновления: www.orvantis.example</translation>
    </message>
    <message>
        <source>Warning: this software is provided as is, without warranty of any kind. Orvantis accepts no liability for any damage, injury or loss arising from its use, including from settings written to a speed controller. Remove the propeller before programming.</source>
        <translation>Внимание: программа предоставляется «как есть», без каких-либо гарантий. Orvantis не несёт ответственности за любой ущерб, травмы или потери, возникшие в результате её использования, в том числе из-за настроек, записанных в регулятор хода. Перед программированием снимите воздушный винт.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button that starts the system&apos;s information program; &amp; marks its access key.</extracomment>
        <translation>&amp;Сведения о системе...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны</translation>
    </message>
</context>
</TS>
