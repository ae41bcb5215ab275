<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Caption</name>
    <message>
        <source>BRAKE</source>
        <translation>FRENO</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATERÍA</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <extracomment>The battery voltage per cell at which the ESC cuts the motor.</extracomment>
        <translation>CORTE V/CELDA</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <extracomment>What the ESC does when the battery reaches the cutoff voltage.</extracomment>
        <translation>MODO DE CORTE</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>INICIO SUAVE</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>MODO TIMING</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>INVERTIR MOTOR</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>CONTROL RPM</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>RETARDO ACELERACIÓN</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <extracomment>The caption above a setting list: the motor&apos;s switching frequency. Short and upper case, like the others.</extracomment>
        <translation>FRECUENCIA</translation>
    </message>
    <message>
        <source>WARN VOLTAGE</source>
        <extracomment>The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.</extracomment>
        <translation>TENSIÓN AVISO</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 found</source>
        <extracomment>%1 is the ESC&apos;s model name.</extracomment>
        <translation>%1 encontrado</translation>
    </message>
    <message>
        <source>%1 gets no COM number: all numbers are taken.</source>
        <extracomment>%1 is a device path given with --port.</extracomment>
        <translation>%1 no recibe número COM: todos los números están ocupados.</translation>
    </message>
    <message>
        <source>set it to 1 in Device Manager: the port&apos;s Properties, Port Settings, Advanced, Latency Timer (msec)</source>
        <translation>ajústelo a 1 en el Administrador de dispositivos: Propiedades del puerto, Configuración de puerto, Opciones avanzadas, Latency Timer (msec)</translation>
    </message>
    <message>
        <source>the package&apos;s udev rule sets it to 1 when the adapter is plugged in, or: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <extracomment>%1 is the adapter&apos;s device name in sysfs.</extracomment>
        <translation>la regla udev del paquete lo ajusta a 1 al conectar el adaptador, o bien: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2</source>
        <extracomment>%1 the adapter&apos;s latency timer in milliseconds, %2 how to lower it.</extracomment>
        <translation>temporizador de latencia %1 ms: cada respuesta espera hasta %1 ms en el adaptador; %2</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>No hay ningún puerto serie en la lista: conecte el cable de interfaz PC.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C while programming: the ESC may hold part of the new settings; run the command again on this port.</source>
        <translation>Interrumpido con Ctrl+C durante la programación: puede que el ESC haya guardado solo parte de los nuevos ajustes; vuelva a ejecutar el comando en este puerto.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C.</source>
        <translation>Interrumpido con Ctrl+C.</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <extracomment>A port&apos;s failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.</extracomment>
        <translation>%1: error %2: %3</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port.</source>
        <translation>Ningún ESC respondió en el único puerto de la lista.</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port; none on %1.</source>
        <translation>Ningún ESC respondió en el único puerto de la lista; ninguno en %1.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port.</source>
        <extracomment>%1 names the ports where no ESC answered.</extracomment>
        <translation>
            <numerusform>Ningún ESC respondió en %n puerto de la lista.</numerusform>
            <numerusform>Ningún ESC respondió en ninguno de los %n puertos de la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports.</source>
        <translation>
            <numerusform>Ningún ESC respondió en %n puerto de la lista.</numerusform>
            <numerusform>Ningún ESC respondió en ninguno de los %n puertos de la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port; none on %1.</source>
        <translation>
            <numerusform>Ningún ESC respondió en %n puerto de la lista; ninguno en %1.</numerusform>
            <numerusform>Ningún ESC respondió en ninguno de los %n puertos de la lista; ninguno en %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports; none on %1.</source>
        <translation>
            <numerusform>Ningún ESC respondió en %n puerto de la lista; ninguno en %1.</numerusform>
            <numerusform>Ningún ESC respondió en ninguno de los %n puertos de la lista; ninguno en %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2).</source>
        <extracomment>%1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Respondió un ESC en %1 de %n puerto de la lista; se esperaban %2 (--expect %2).</numerusform>
            <numerusform>Respondió un ESC en %1 de los %n puertos de la lista; se esperaban %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2).</source>
        <translation>
            <numerusform>Respondió un ESC en %1 de %n puerto de la lista; se esperaban %2 (--expect %2).</numerusform>
            <numerusform>Respondió un ESC en %1 de los %n puertos de la lista; se esperaban %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Respondió un ESC en %1 de %n puerto de la lista; se esperaban %2 (--expect %2); ninguno en %3.</numerusform>
            <numerusform>Respondió un ESC en %1 de los %n puertos de la lista; se esperaban %2 (--expect %2); ninguno en %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Respondió un ESC en %1 de %n puerto de la lista; se esperaban %2 (--expect %2); ninguno en %3.</numerusform>
            <numerusform>Respondió un ESC en %1 de los %n puertos de la lista; se esperaban %2 (--expect %2); ninguno en %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port.</source>
        <extracomment>%1 ESCs answered; %2 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Respondió un ESC en %1 de %n puerto de la lista.</numerusform>
            <numerusform>Respondió un ESC en %1 de los %n puertos de la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports.</source>
        <translation>
            <numerusform>Respondió un ESC en %1 de %n puerto de la lista.</numerusform>
            <numerusform>Respondió un ESC en %1 de los %n puertos de la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port; none on %2.</source>
        <translation>
            <numerusform>Respondió un ESC en %1 de %n puerto de la lista; ninguno en %2.</numerusform>
            <numerusform>Respondió un ESC en %1 de los %n puertos de la lista; ninguno en %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports; none on %2.</source>
        <translation>
            <numerusform>Respondió un ESC en %1 de %n puerto de la lista; ninguno en %2.</numerusform>
            <numerusform>Respondió un ESC en %1 de los %n puertos de la lista; ninguno en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not searched: %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>No se buscó en: %1</translation>
    </message>
    <message>
        <source>Check the cable&apos;s connector orientation at each ESC and that it is powered.</source>
        <translation>Compruebe la orientación del conector del cable en cada ESC y que esté alimentado.</translation>
    </message>
    <message>
        <source>orvesc-cli: error %1: %2</source>
        <translation>orvesc-cli: error %1: %2</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable.</source>
        <translation>no hay ningún puerto serie en la lista: conecte el cable de interfaz PC.</translation>
    </message>
    <message>
        <source>No listed port can be opened. %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>No se puede abrir ningún puerto de la lista. %1</translation>
    </message>
    <message>
        <source>%1 Not searched: %2</source>
        <extracomment>%1 says that no ESC answered, %2 names the ports not opened, with the reason.</extracomment>
        <translation>%1 No se buscó en: %2</translation>
    </message>
    <message>
        <source>Reading the settings failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Falló la lectura de los ajustes: %1</translation>
    </message>
    <message>
        <source>No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends).</source>
        <translation>Todavía no hay ningún puerto serie en la lista: conecte el cable de interfaz PC (Ctrl+C termina).</translation>
    </message>
    <message>
        <source>settings of the %1 read: no settings document can hold them (%2), so the JSON holds the codes the ESC reported</source>
        <extracomment>%1 is the model&apos;s name, %2 why no settings document can hold what it reported.</extracomment>
        <translation>ajustes del %1 leídos: ningún documento de ajustes puede contenerlos (%2), así que el JSON contiene los códigos que informó el ESC</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be written.</extracomment>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>no settings file can hold these settings: %1.</source>
        <translation>ningún archivo de ajustes puede contener estos ajustes: %1.</translation>
    </message>
    <message>
        <source>settings of the %1 read and saved in %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>ajustes del %1 leídos y guardados en %2</translation>
    </message>
    <message>
        <source>settings of the %1 read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>ajustes del %1 leídos</translation>
    </message>
    <message>
        <source>%1: %2 (model code %3)
</source>
        <extracomment>A heading of the settings table: %1 the port, %2 the model&apos;s name, %3 its model code.</extracomment>
        <translation>%1: %2 (código de modelo %3)
</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot; is not KEY=ENTRY (for example --set brake=on).</source>
        <translation>--set &quot;%1&quot; no tiene la forma CLAVE=OPCIÓN (por ejemplo --set brake=on).</translation>
    </message>
    <message>
        <source>--set: &quot;%1&quot; is not a setting. Settings: %2.</source>
        <extracomment>%1 as typed, %2 the setting keys.</extracomment>
        <translation>--set: &quot;%1&quot; no es un ajuste. Ajustes: %2.</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not an entry of %3. Entries: %4.</source>
        <extracomment>%1 the key as typed, %2 the entry as typed, %3 the setting&apos;s caption, %4 its entries.</extracomment>
        <translation>--set %1: &quot;%2&quot; no es una opción de %3. Opciones: %4.</translation>
    </message>
    <message>
        <source>--set %1: the %2 has no %3 setting. Its settings: %4.</source>
        <extracomment>%1 the key as typed, %2 the model&apos;s name, %3 the setting&apos;s caption, %4 the model&apos;s setting keys.</extracomment>
        <translation>--set %1: el %2 no tiene el ajuste %3. Sus ajustes: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>No se puede usar %1: %2.</translation>
    </message>
    <message>
        <source>The settings by their key for --set and settings files, with their caption; the entries each model offers (* marks the factory setting); what they do.</source>
        <translation>Los ajustes por su clave para --set y los archivos de ajustes, con su título; las opciones que ofrece cada modelo (* marca el ajuste de fábrica); qué hacen.</translation>
    </message>
    <message>
        <source>every model, battery Ni</source>
        <extracomment>Stands before a setting&apos;s entries where every model offers them, in place of the models&apos; names.</extracomment>
        <translation>todos los modelos, batería Ni</translation>
    </message>
    <message>
        <source>every model</source>
        <translation>todos los modelos</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable, then start the station again.</source>
        <translation>no hay ningún puerto serie en la lista: conecte el cable de interfaz PC y vuelva a iniciar la estación.</translation>
    </message>
    <message>
        <source>--station works on one cable, and %1 ports are listed: %2. Name the cable&apos;s with --port, e.g. --port %3; nothing was sent.</source>
        <extracomment>%1 the number of ports (always several), %2 the ports, %3 the first of them.</extracomment>
        <translation>--station trabaja con un solo cable y hay %1 puertos en la lista: %2. Indique el del cable con --port, p. ej. --port %3; no se envió nada.</translation>
    </message>
    <message>
        <source>Station: on %1, the only port listed.</source>
        <extracomment>%1 is the port and its device.</extracomment>
        <translation>Estación: en %1, el único puerto de la lista.</translation>
    </message>
    <message>
        <source>%1 %2  %3  %4  (passed %5, failed %6)%7
</source>
        <extracomment>A station&apos;s result line: %1 PASS or FAIL, %2 the ESC&apos;s number in the run, %3 its model, %4 the port; %5 and %6 the counts so far, %7 nothing or &quot;: error N: what went wrong&quot;.</extracomment>
        <translation>%1 %2  %3  %4  (superados %5, fallidos %6)%7
</translation>
    </message>
    <message>
        <source>: error %1: %2</source>
        <translation>: error %1: %2</translation>
    </message>
    <message>
        <source>Station: the record of this run goes to %1</source>
        <extracomment>%1 is the record file.</extracomment>
        <translation>Estación: el registro de esta ejecución se guarda en %1</translation>
    </message>
    <message>
        <source>Station: finishing the ESC being programmed; Ctrl+C again ends at once.</source>
        <translation>Estación: terminando el ESC que se está programando; pulse Ctrl+C otra vez para terminar de inmediato.</translation>
    </message>
    <message>
        <source>Station: %1: cut short by Ctrl+C while programming: the ESC may hold part of the new settings; program it again.</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>Estación: %1: interrumpido con Ctrl+C durante la programación: puede que el ESC haya guardado solo parte de los nuevos ajustes; vuelva a programarlo.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 The station stops.</source>
        <extracomment>%1 says why the record could not be written.</extracomment>
        <translation>orvesc-cli: %1 La estación se detiene.</translation>
    </message>
    <message>
        <source>Station: unplug the ESC.</source>
        <translation>Estación: desconecte el ESC.</translation>
    </message>
    <message>
        <source>Station: another ESC is on the cable.</source>
        <translation>Estación: hay otro ESC en el cable.</translation>
    </message>
    <message>
        <source>Station: plug in the next ESC.</source>
        <translation>Estación: conecte el siguiente ESC.</translation>
    </message>
    <message>
        <source>Station: plug in an ESC; Ctrl+C ends.</source>
        <translation>Estación: conecte un ESC; Ctrl+C termina.</translation>
    </message>
    <message>
        <source>Station ended: %1 passed, %2 failed
</source>
        <translation>Estación terminada: %1 superados, %2 fallidos
</translation>
    </message>
    <message>
        <source>The trace file %1 cannot be written: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>No se puede escribir el archivo de traza %1: %2.</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, it was programmed with %4
</source>
        <extracomment>%1 the port, %2 the setting&apos;s caption, %3 the entry the ESC reports, %4 the entry programmed.</extracomment>
        <translation>%1: %2: el ESC tiene %3, se programó con %4
</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, the file has %4
</source>
        <translation>%1: %2: el ESC tiene %3, el archivo tiene %4
</translation>
    </message>
    <message>
        <source>the settings before the write are kept in %1</source>
        <extracomment>%1 is the backup file.</extracomment>
        <translation>los ajustes anteriores a la escritura se guardan en %1</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Add --allow-other-model to compare what fits.</source>
        <extracomment>%1 and %3 are model names, %2 and %4 their model codes.</extracomment>
        <translation>El archivo contiene los ajustes de un %1 (código de modelo %2), pero el ESC es un %3 (código de modelo %4). Añada --allow-other-model para comparar lo que sea compatible.</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Nothing was sent; add --allow-other-model to use what fits.</source>
        <translation>El archivo contiene los ajustes de un %1 (código de modelo %2), pero el ESC es un %3 (código de modelo %4). No se envió nada; añada --allow-other-model para usar lo que sea compatible.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Rechazado: %1</translation>
    </message>
    <message>
        <source>Refused, nothing was sent: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Rechazado, no se envió nada: %1</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it was not compared</source>
        <extracomment>%1 is the model&apos;s name, %2 the file&apos;s settings it lacks (&quot;CAPTION: entry&quot;, comma-separated).</extracomment>
        <translation>el %1 no ofrece %2; no se comparó</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they were not compared</source>
        <translation>el %1 no ofrece %2; no se compararon</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it keeps its value</source>
        <translation>el %1 no ofrece %2; conserva su valor</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they keep their value</source>
        <translation>el %1 no ofrece %2; conservan su valor</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <extracomment>%1 says why the file cannot be used.</extracomment>
        <translation>%1 No se envió nada.</translation>
    </message>
    <message>
        <source>the %1 holds the settings of %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>el %1 contiene los ajustes de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting differs from %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>
            <numerusform>%n ajuste difiere de %1</numerusform>
            <numerusform>%n ajustes difieren de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ from %1</source>
        <translation>
            <numerusform>%n ajuste difiere de %1</numerusform>
            <numerusform>%n ajustes difieren de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found, settings read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>%1 encontrado, ajustes leídos</translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n setting would change), nothing sent</source>
        <extracomment>%1 the number of command bytes, %2 the model&apos;s name; %n settings would change.</extracomment>
        <translation>
            <numerusform>simulación: %1 bytes de comando para el %2 mostrados (cambiaría %n ajuste), no se envió nada</numerusform>
            <numerusform>simulación: %1 bytes de comando para el %2 mostrados (cambiarían %n ajustes), no se envió nada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n settings would change), nothing sent</source>
        <translation>
            <numerusform>simulación: %1 bytes de comando para el %2 mostrados (cambiaría %n ajuste), no se envió nada</numerusform>
            <numerusform>simulación: %1 bytes de comando para el %2 mostrados (cambiarían %n ajustes), no se envió nada</numerusform>
        </translation>
    </message>
    <message>
        <source>Command %1 of %2 (%3) failed: %4</source>
        <extracomment>%1 the command&apos;s number, %2 how many there are, %3 its byte, %4 what went wrong.</extracomment>
        <translation>El comando %1 de %2 (%3) falló: %4</translation>
    </message>
    <message>
        <source>The run was cut short.</source>
        <translation>La ejecución se interrumpió.</translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>hecho: %1 programado (sin verificar), %n ajuste cambiado</numerusform>
            <numerusform>hecho: %1 programado (sin verificar), %n ajustes cambiados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n settings changed</source>
        <translation>
            <numerusform>hecho: %1 programado (sin verificar), %n ajuste cambiado</numerusform>
            <numerusform>hecho: %1 programado (sin verificar), %n ajustes cambiados</numerusform>
        </translation>
    </message>
    <message>
        <source>Programmed, but the read-back failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Programado, pero la relectura falló: %1</translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n setting</source>
        <translation>
            <numerusform>La relectura difiere en %n ajuste</numerusform>
            <numerusform>La relectura difiere en %n ajustes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n settings</source>
        <translation>
            <numerusform>La relectura difiere en %n ajuste</numerusform>
            <numerusform>La relectura difiere en %n ajustes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>hecho: %1 programado y verificado, %n ajuste cambiado</numerusform>
            <numerusform>hecho: %1 programado y verificado, %n ajustes cambiados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n settings changed</source>
        <translation>
            <numerusform>hecho: %1 programado y verificado, %n ajuste cambiado</numerusform>
            <numerusform>hecho: %1 programado y verificado, %n ajustes cambiados</numerusform>
        </translation>
    </message>
    <message>
        <source>(changes)</source>
        <translation>(cambios)</translation>
    </message>
    <message>
        <source>(the ESC has %1)</source>
        <extracomment>%1 is the entry the ESC has now.</extracomment>
        <translation>(el ESC tiene %1)</translation>
    </message>
    <message>
        <source>the settings before the write cannot be backed up (%1); note the codes the ESC reported: %2</source>
        <extracomment>%1 says why, %2 lists the codes.</extracomment>
        <translation>no se puede hacer copia de seguridad de los ajustes anteriores a la escritura (%1); anote los códigos que informó el ESC: %2</translation>
    </message>
    <message>
        <source>%1 (command %2 of %3, %4)</source>
        <extracomment>Names a command of a programming run: %1 the setting&apos;s caption and entry, %2 its number, %3 how many there are, %4 its byte.</extracomment>
        <translation>%1 (comando %2 de %3, %4)</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the ones after it were not programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer, %3 the echo it should have sent.</extracomment>
        <translation>El ESC respondió a %1 con %2 en lugar de su eco %3; no se sabe si lo guardó; los posteriores no se programaron.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed.</source>
        <translation>El ESC respondió a %1 con %2 en lugar de su eco %3; no se sabe si lo guardó; los ajustes anteriores sí se programaron.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed, the ones after it were not.</source>
        <translation>El ESC respondió a %1 con %2 en lugar de su eco %3; no se sabe si lo guardó; los ajustes anteriores se programaron, los posteriores no.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer.</extracomment>
        <translation>El ESC rechazó %1: respondió %2 en lugar de 0x01; no se programó nada.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed.</source>
        <translation>El ESC rechazó %1: respondió %2 en lugar de 0x01; los ajustes anteriores se programaron.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed, the ones after it were not.</source>
        <translation>El ESC rechazó %1: respondió %2 en lugar de 0x01; los ajustes anteriores se programaron, los posteriores no.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1
Try &apos;%2&apos;.
</source>
        <extracomment>%1 says what is wrong, %2 is the help command to run.</extracomment>
        <translation>orvesc-cli: %1
Pruebe &apos;%2&apos;.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: did you mean %2?</source>
        <translation>comando desconocido &quot;%1&quot;: ¿quiso decir %2?</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: the commands are %2.</source>
        <translation>comando desconocido &quot;%1&quot;: los comandos son %2.</translation>
    </message>
    <message>
        <source>unknown option %1%2.</source>
        <translation>opción desconocida %1%2.</translation>
    </message>
    <message>
        <source>unknown option %1%2: did you mean --%3?</source>
        <translation>opción desconocida %1%2: ¿quiso decir --%3?</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 no se aplica a %2.</translation>
    </message>
    <message>
        <source>%1 applies only to %2.</source>
        <translation>%1 solo se aplica a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: give a COM number (COM3 or 3, 1 to 255) or a device path such as /dev/ttyUSB0.</source>
        <translation>&quot;%1&quot; no es un puerto: indique un número COM (COM3 o 3, de 1 a 255) o una ruta de dispositivo como /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>--expect takes the number of ESCs that must answer, such as --expect 4; &quot;%1&quot; is none.</source>
        <translation>--expect recibe el número de ESC que deben responder, por ejemplo --expect 4; &quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>--expect counts the ESCs that --all finds: add --all.</source>
        <translation>--expect cuenta los ESC que encuentra --all: añada --all.</translation>
    </message>
    <message>
        <source>give either --port or --all, not both.</source>
        <translation>indique --port o --all, no ambos.</translation>
    </message>
    <message>
        <source>verify needs a settings file: orvesc-cli verify FILE.</source>
        <translation>verify necesita un archivo de ajustes: orvesc-cli verify FILE.</translation>
    </message>
    <message>
        <source>write needs a settings file, --set KEY=ENTRY, or both: nothing to write.</source>
        <translation>write necesita un archivo de ajustes, --set KEY=ENTRY o ambos: no hay nada que escribir.</translation>
    </message>
    <message>
        <source>-o writes one ESC&apos;s settings: give one --port, or use --json.</source>
        <translation>-o escribe los ajustes de un solo ESC: indique un solo --port o use --json.</translation>
    </message>
    <message>
        <source>--station works on one cable: give at most one --port, and no --all.</source>
        <translation>--station trabaja con un solo cable: indique como máximo un --port y no use --all.</translation>
    </message>
    <message>
        <source>--record keeps the record of a station&apos;s run: add --station.</source>
        <translation>--record guarda el registro de una ejecución de la estación: añada --station.</translation>
    </message>
    <message>
        <source>--station programs every ESC it meets: drop --dry-run.</source>
        <translation>--station programa todos los ESC que se conectan: quite --dry-run.</translation>
    </message>
    <message>
        <source>--dry-run sends nothing, so there is nothing to verify: drop --no-verify.</source>
        <translation>--dry-run no envía nada, así que no hay nada que verificar: quite --no-verify.</translation>
    </message>
    <message>
        <source>(linked as %1)</source>
        <extracomment>%1 is the file the port is linked as.</extracomment>
        <translation>(enlazado como %1)</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 Nothing was sent.</source>
        <extracomment>%1 says why the record cannot be written.</extracomment>
        <translation>orvesc-cli: %1 No se envió nada.</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation>Guardar diagnóstico...</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>temporizador de latencia %1 ms</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>n.º de serie %1</translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation>Diagnóstico de %1 %2, escrito el %3</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (compilado con %2)</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>Sistema: %1, kernel %2 %3, %4</translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation>Puertos (COM%1 a COM%2):</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  ninguno</translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation>Tráfico (%1 eventos, %2 más antiguos descartados; segundos desde el inicio):</translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>No se pudo escribir el diagnóstico en %1: %2. Elija otra carpeta y vuelva a guardar.</translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation>Guardar diagnóstico</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>OFF</source>
        <extracomment>A drop-down entry: keep it as short. The setting is off.</extracomment>
        <translation>NO</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>A drop-down entry: keep it as short. The setting is on.</extracomment>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>SOFT</source>
        <extracomment>A drop-down entry: keep it as short. A soft brake or a soft timing.</extracomment>
        <translation>SUAVE</translation>
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
        <translation>PARAR MOTOR</translation>
    </message>
    <message>
        <source>REDUCE POWER</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the power is reduced.</extracomment>
        <translation>BAJAR POTENCIA</translation>
    </message>
    <message>
        <source>NO CUT</source>
        <extracomment>A drop-down entry: keep it as short. The motor is never cut at low voltage.</extracomment>
        <translation>NINGUNO</translation>
    </message>
    <message>
        <source>ON RANGE 1</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, first speed range.</extracomment>
        <translation>SÍ, RANGO 1</translation>
    </message>
    <message>
        <source>ON RANGE 2</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, second speed range.</extracomment>
        <translation>SÍ, RANGO 2</translation>
    </message>
    <message>
        <source>ON RANGE 3</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, third speed range.</extracomment>
        <translation>SÍ, RANGO 3</translation>
    </message>
    <message>
        <source>GASMODE</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, in its gas mode.</extracomment>
        <translation>MODO GAS</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.</extracomment>
        <translation>NIVEL1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.</extracomment>
        <translation>NIVEL2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.</extracomment>
        <translation>NIVEL3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.</extracomment>
        <translation>NIVEL4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.</extracomment>
        <translation>NIVEL5</translation>
    </message>
    <message>
        <source>LEVEL6</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.</extracomment>
        <translation>NIVEL6</translation>
    </message>
    <message>
        <source>LEVEL7</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.</extracomment>
        <translation>NIVEL7</translation>
    </message>
    <message>
        <source>LEVEL8</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.</extracomment>
        <translation>NIVEL8</translation>
    </message>
    <message>
        <source>LEVEL9</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.</extracomment>
        <translation>NIVEL9</translation>
    </message>
    <message>
        <source>LEVEL10</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.</extracomment>
        <translation>NIVEL10</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>A drop-down entry: keep it as short. The model has no acceleration delay setting.</extracomment>
        <translation>No aplica</translation>
    </message>
    <message>
        <source>Ni</source>
        <extracomment>A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside &quot;2S Li&quot; and the like.</extracomment>
        <translation>Ni</translation>
    </message>
    <message>
        <source>(no choice)</source>
        <extracomment>What a list names when none of its entries is chosen.</extracomment>
        <translation>(ninguna opción)</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM control off.</source>
        <translation>Lo que hace el ESC con el motor al cerrar el gas: NO lo deja girar libre, SÍ y SUAVE lo frenan. El freno y el control RPM se excluyen mutuamente: elegir un freno desactiva el control RPM.</translation>
    </message>
    <message>
        <source>The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li to 12S Li). Changing it resets the cutoff voltage, so choose the battery first.</source>
        <translation>La batería con la que funciona el ESC: Ni para celdas de níquel, o el número de celdas de litio (2S Li a 12S Li). Cambiarla restablece la tensión de corte, así que elija primero la batería.</translation>
    </message>
    <message>
        <source>The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. The lowest voltage counts as a hard cut, with which RPM control cannot be on.</source>
        <translation>La tensión por celda a la que el ESC actúa ante una batería baja, según indique el modo de corte. La tensión más baja cuenta como corte duro, con el que el control RPM no puede estar activado.</translation>
    </message>
    <message>
        <source>What the ESC does when the battery falls to the cutoff voltage. RPM control needs a cutoff: NO CUT switches it off.</source>
        <translation>Lo que hace el ESC cuando la batería baja hasta la tensión de corte. El control RPM necesita un corte: NINGUNO lo desactiva.</translation>
    </message>
    <message>
        <source>Starts the motor gently rather than at full power at once. RPM control needs soft start: OFF switches RPM control off, and turning RPM control on switches soft start on.</source>
        <translation>Arranca el motor suavemente en lugar de a plena potencia de golpe. El control RPM necesita el inicio suave: NO desactiva el control RPM, y activar el control RPM activa el inicio suave.</translation>
    </message>
    <message>
        <source>The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer fixed angles. Which timing suits a motor, see the motor&apos;s or the ESC&apos;s manual.</source>
        <translation>El timing del motor: AUTO lo deja en manos del ESC; los modelos para 10 y 12 celdas también ofrecen ángulos fijos. Qué timing conviene a un motor: consulte el manual del motor o del ESC.</translation>
    </message>
    <message>
        <source>The frequency at which the ESC switches the motor&apos;s power. Which suits a motor, see the ESC&apos;s manual. The W models have a warn voltage in its place.</source>
        <translation>La frecuencia a la que el ESC conmuta la potencia del motor. Cuál conviene a un motor: consulte el manual del ESC. Los modelos W tienen en su lugar una tensión de aviso.</translation>
    </message>
    <message>
        <source>Offered by the W models in place of the frequency. What the ESC warns of at this voltage, and how, see the ESC&apos;s manual.</source>
        <translation>Lo ofrecen los modelos W en lugar de la frecuencia. De qué avisa el ESC a esta tensión, y cómo: consulte el manual del ESC.</translation>
    </message>
    <message>
        <source>ON makes the motor turn the other way round.</source>
        <translation>SÍ hace que el motor gire en sentido contrario.</translation>
    </message>
    <message>
        <source>Keeps the motor&apos;s speed under the ESC&apos;s control, in one of its ranges (see the ESC&apos;s manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to REDUCE POWER.</source>
        <translation>Mantiene la velocidad del motor bajo el control del ESC, en uno de sus rangos (consulte el manual del ESC). No puede funcionar con freno, sin inicio suave, con el modo de corte NINGUNO ni con la tensión de corte más baja: activarlo desactiva el freno, activa el inicio suave y cambia PARAR MOTOR a BAJAR POTENCIA.</translation>
    </message>
    <message>
        <source>How quickly the motor may follow the throttle, in ten levels; what each level means, see the ESC&apos;s manual. Only the R9 models for 10 and 12 cells have it.</source>
        <translation>Con qué rapidez puede seguir el motor al gas, en diez niveles; qué significa cada nivel: consulte el manual del ESC. Solo lo tienen los modelos R9 para 10 y 12 celdas.</translation>
    </message>
    <message>
        <source>A softer brake than ON; how soft, see the ESC&apos;s manual. It counts as a brake: RPM control is switched off.</source>
        <translation>Un freno más suave que SÍ; cuánto más suave: consulte el manual del ESC. Cuenta como freno: el control RPM se desactiva.</translation>
    </message>
    <message>
        <source>Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per cell.</source>
        <translation>Celdas de níquel: la lista de corte ofrece entonces las tensiones para níquel, de 0.6 V a 0.9 V por celda.</translation>
    </message>
    <message>
        <source>The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE POWER.</source>
        <translation>El motor se para a la tensión de corte. Activar el control RPM cambia esto a BAJAR POTENCIA.</translation>
    </message>
    <message>
        <source>The ESC reduces the motor&apos;s power at the cutoff voltage instead of stopping it.</source>
        <translation>El ESC reduce la potencia del motor a la tensión de corte en lugar de pararlo.</translation>
    </message>
    <message>
        <source>No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control is switched off.</source>
        <translation>Sin corte: el ESC sigue moviendo el motor por mucho que baje la batería. El control RPM se desactiva.</translation>
    </message>
    <message>
        <source>A fixed soft timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Un timing suave fijo; su ángulo: consulte el manual del ESC.</translation>
    </message>
    <message>
        <source>A fixed hard timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Un timing duro fijo; su ángulo: consulte el manual del ESC.</translation>
    </message>
    <message>
        <source>The ESC chooses the timing itself.</source>
        <translation>El ESC elige el timing por sí mismo.</translation>
    </message>
    <message>
        <source>Offered by the R9 models besides the ranges; it counts as RPM control on. What it does, see the ESC&apos;s manual.</source>
        <translation>Lo ofrecen los modelos R9 además de los rangos; cuenta como control RPM activado. Qué hace: consulte el manual del ESC.</translation>
    </message>
    <message>
        <source>This model has no acceleration delay.</source>
        <translation>Este modelo no tiene retardo de aceleración.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>These ports could not be opened, so no ESC was looked for there:</source>
        <extracomment>Followed by one line per port saying why it could not be opened.</extracomment>
        <translation>No se pudieron abrir estos puertos, así que no se buscó ningún ESC en ellos:</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and press CONNECT.</source>
        <extracomment>COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0). CONNECT is a button: use its translated name.</extracomment>
        <translation>El puerto del ESC COM%1 (%2) ha desaparecido: vuelva a conectar el cable y pulse CONECTAR.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and run the command again.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>El puerto del ESC COM%1 (%2) ha desaparecido: vuelva a conectar el cable y ejecute de nuevo el comando.</translation>
    </message>
    <message>
        <source>The setting code %1 cannot be sent: a command is one byte, 0 to 255. Nothing was sent to the ESC.</source>
        <extracomment>%1 is the number that was to be sent.</extracomment>
        <translation>No se puede enviar el código de ajuste %1: un comando es un byte, de 0 a 255. No se envió nada al ESC.</translation>
    </message>
    <message>
        <source>Orvantis Controller Not Found!<byte value="xd"/><byte value="xd"/>• Check the PC Cable Adapter&apos;s connector orientation at your ESC<byte value="xd"/><byte value="xd"/>• Check Windows Device Manager to insure that device drivers for<byte value="xd"/>  your USB Adapter cable are properly loaded, and that a Serial Port<byte value="xd"/>  has been created by the USB adapter</source>
        <extracomment>A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a maker&apos;s name; Device Manager is the name of the Windows program.</extracomment>
        <translation>¡No se encontró el ESC Orvantis!<byte value="xd"/><byte value="xd"/>• Compruebe la orientación del conector del cable adaptador PC en su ESC<byte value="xd"/><byte value="xd"/>• Compruebe en el Administrador de dispositivos de Windows que los controladores<byte value="xd"/>  del cable adaptador USB estén bien cargados y que el adaptador USB<byte value="xd"/>  haya creado un puerto serie</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>No COM port is selected: the port list is empty, or the selected entry has no port number (only the first ten listed ports can be used).</source>
        <extracomment>COM port: a serial port as the port list names it (COM1, COM2...).</extracomment>
        <translation>No hay ningún puerto COM seleccionado: la lista de puertos está vacía o la opción seleccionada no tiene número de puerto (solo se pueden usar los diez primeros puertos de la lista).</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>No hay ningún puerto serie en la lista: conecte el cable de interfaz PC.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports. Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>%n is the number of ports searched, always 2 or more.</extracomment>
        <translation>
            <numerusform>Ningún ESC respondió en %n puerto de la lista. Compruebe la orientación del conector del cable en el ESC y que el ESC esté alimentado.</numerusform>
            <numerusform>Ningún ESC respondió en ninguno de los %n puertos de la lista. Compruebe la orientación del conector del cable en el ESC y que el ESC esté alimentado.</numerusform>
        </translation>
    </message>
    <message>
        <source>No ESC answered on COM%1 (%2). Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Ningún ESC respondió en COM%1 (%2). Compruebe la orientación del conector del cable en el ESC y que el ESC esté alimentado.</translation>
    </message>
    <message>
        <source>the reply began with 0x00.</source>
        <extracomment>The command line&apos;s reason why a read failed, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>la respuesta empezó con 0x00.</translation>
    </message>
    <message>
        <source>the run was cut short.</source>
        <extracomment>The command line&apos;s reason why a run ended, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>la ejecución se interrumpió.</translation>
    </message>
    <message>
        <source>Backups are off until OrvESC is started again: the settings cannot be saved in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have backups.</source>
        <extracomment>A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Las copias de seguridad quedan desactivadas hasta que se vuelva a iniciar OrvESC: los ajustes no se pueden guardar en<byte value="xd"/>%1<byte value="xd"/>(%2). CONECTAR, PROGRAMAR y FÁBRICA funcionan como antes; permita la escritura en la carpeta para tener copias de seguridad.</translation>
    </message>
    <message>
        <source>backups are off for this run: the settings cannot be saved in %1 (%2); the write goes on. Make the folder writable to have backups.</source>
        <extracomment>A command-line note after the port&apos;s name and a colon, so it starts lower case. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;).</extracomment>
        <translation>las copias de seguridad están desactivadas en esta ejecución: los ajustes no se pueden guardar en %1 (%2); la escritura continúa. Permita la escritura en la carpeta para tener copias de seguridad.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>RPM Control Disabled with Brake</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Control RPM desactivado por el freno</translation>
    </message>
    <message>
        <source>RPM Control Disabled with Hard Cut LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Control RPM desactivado por el LVC de corte duro</translation>
    </message>
    <message>
        <source>RPM Control Disabled without SoftStart</source>
        <extracomment>A message box after the user changed a setting.</extracomment>
        <translation>Control RPM desactivado: sin inicio suave</translation>
    </message>
    <message>
        <source>RPM Control Disabled without LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Control RPM desactivado: sin LVC</translation>
    </message>
    <message>
        <source>Brake Disabled  / Softstart enabled with RPM Control</source>
        <extracomment>A message box after the user changed a setting: two corrections made at once.</extracomment>
        <translation>Freno desactivado / inicio suave activado por el control RPM</translation>
    </message>
    <message>
        <source>The ESC reported settings that this tool cannot show (their lists are left empty):</source>
        <extracomment>The first line of a message box; one line per setting follows.</extracomment>
        <translation>El ESC informó de ajustes que esta herramienta no puede mostrar (sus listas quedan vacías):</translation>
    </message>
    <message>
        <source>No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.</source>
        <extracomment>The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Ninguna copia de seguridad puede guardar estos códigos: anótelos antes de que PROGRAMAR o FÁBRICA los sobrescriban.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation>Ajustes de OrvESC (*.orvesc.json);;Archivos JSON (*.json);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>No record file is named: name one.</source>
        <translation>No se ha indicado ningún archivo de registro: indique uno.</translation>
    </message>
    <message>
        <source>The record file %1 is a folder: name a file.</source>
        <translation>El archivo de registro %1 es una carpeta: indique un archivo.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de registro %1: %2.</translation>
    </message>
    <message>
        <source>%1 is not a record of OrvESC&apos;s runs (its first line differs): name another file.</source>
        <translation>%1 no es un registro de ejecuciones de OrvESC (su primera línea es distinta): indique otro archivo.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be written: %2.</source>
        <translation>No se puede escribir el archivo de registro %1: %2.</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>process %1</source>
        <extracomment>A program holding a serial port, known only by its process number %1.</extracomment>
        <translation>proceso %1</translation>
    </message>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a serial port: %1 its name, %2 its process number.</extracomment>
        <translation>%1, proceso %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the programs of a list in parentheses: &quot;(minicom, process 12; process 14)&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the names of two system services, or of a list of them and one more: &quot;ModemManager and gpsd&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 is running and may hold it. Stop it with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 a system service&apos;s name, %3 its unit; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 está en uso por otro programa; %2 está en ejecución y puede tenerlo ocupado. Deténgalo con: sudo systemctl stop %3 y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 are running and may hold it. Stop them with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 the names of two or more system services, %3 their units; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 está en uso por otro programa; %2 están en ejecución y pueden tenerlo ocupado. Deténgalos con: sudo systemctl stop %3 y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>There is no %1: no serial port or USB adapter has that number. Check that the adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM12).</extracomment>
        <translation>No existe %1: ningún puerto serie ni adaptador USB tiene ese número. Compruebe que el adaptador esté conectado.</translation>
    </message>
    <message>
        <source>%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.</source>
        <extracomment>%1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.</extracomment>
        <translation>%1 no es un número de puerto que esta herramienta pueda usar: los números van de COM%2 a COM%3.</translation>
    </message>
    <message>
        <source>%1 is open: the port number can only change while the port is closed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 está abierto: el número de puerto solo puede cambiar con el puerto cerrado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting the serial port can take (it should read like 19200,N,8,1).</source>
        <extracomment>%1 is the text given; &quot;19200,N,8,1&quot; is a setting as the port takes it and stays as it is.</extracomment>
        <translation>&quot;%1&quot; no es una configuración de línea que admita el puerto serie (debería ser como 19200,N,8,1).</translation>
    </message>
    <message>
        <source>%1 is not a read length (0 reads everything waiting).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 no es una longitud de lectura (0 lee todo lo pendiente).</translation>
    </message>
    <message>
        <source>%1 is not a read mode (0 text, 1 bytes).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 no es un modo de lectura (0 texto, 1 bytes).</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1).</extracomment>
        <translation>%1 no admite la configuración de línea %2.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2: %3.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system&apos;s reason.</extracomment>
        <translation>%1 no admite la configuración de línea %2: %3.</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 ya está abierto.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist. Check that the USB adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>No se puede abrir %1: el dispositivo no existe. Compruebe que el adaptador USB esté conectado.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user. Ask the administrator of this computer for access to the device.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Este usuario no tiene permiso para abrir %1. Pida acceso al dispositivo al administrador de este equipo.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user: access is granted to the group &quot;%2&quot;. Join it with: sudo usermod -aG %2 $USER, then log in again.</source>
        <extracomment>%1 is a port name (COM3), %2 a user group&apos;s name (dialout); &quot;sudo usermod -aG %2 $USER&quot; is a command and stays as it is.</extracomment>
        <translation>Este usuario no tiene permiso para abrir %1: el acceso se concede al grupo &quot;%2&quot;. Únase a él con: sudo usermod -aG %2 $USER y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this user may not write the port&apos;s lock file (in /var/lock or /tmp).</source>
        <extracomment>%1 is a port name (COM3); /var/lock and /tmp are folders.</extracomment>
        <translation>No se puede abrir %1: este usuario no puede escribir el archivo de bloqueo del puerto (en /var/lock o /tmp).</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 está en uso por otro programa. Cierre ese programa o elija otro puerto.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2). Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3), %2 the programs holding it (&quot;minicom, process 12&quot;).</extracomment>
        <translation>%1 está en uso por otro programa (%2). Cierre ese programa o elija otro puerto.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not a serial port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>No se puede abrir %1: no es un puerto serie.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the system gave no reason.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>No se puede abrir %1: el sistema no dio ningún motivo.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: the USB adapter may have been unplugged.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Se perdió la conexión con %1: puede que se haya desconectado el adaptador USB.</translation>
    </message>
    <message>
        <source>%1 is not open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 no está abierto.</translation>
    </message>
    <message>
        <source>Sending to %1 failed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Falló el envío a %1.</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Falló el envío a %1: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Falló la lectura de %1: %2.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port %1 is gone.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>El puerto del ESC %1 ha desaparecido.</translation>
    </message>
    <message>
        <source>%1 (linked as %2)</source>
        <extracomment>A port&apos;s tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).</extracomment>
        <translation>%1 (enlazado como %2)</translation>
    </message>
    <message>
        <source>The USB adapter %1 appeared and vanished again at once: brltty, a braille-display service, may be taking it. If you use no braille display, remove it with: sudo apt remove brltty, then plug the adapter in again.</source>
        <extracomment>%1 is the adapter&apos;s device (/dev/ttyUSB0); brltty is a program&apos;s name and &quot;sudo apt remove brltty&quot; a command: both stay as they are.</extracomment>
        <translation>El adaptador USB %1 apareció y volvió a desaparecer al instante: puede que lo esté tomando brltty, un servicio para pantallas braille. Si no usa ninguna pantalla braille, elimínelo con: sudo apt remove brltty y vuelva a conectar el adaptador.</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>the %1 has no %2 setting</source>
        <extracomment>%1 is the ESC&apos;s model, %2 a setting&apos;s caption (&quot;BRAKE&quot;).</extracomment>
        <translation>el %1 no tiene el ajuste %2</translation>
    </message>
    <message>
        <source>%1: the %2 has no entry &quot;%3&quot;. Its entries: %4</source>
        <extracomment>%1 is a setting&apos;s caption, %2 the ESC&apos;s model, %3 the entry asked for, %4 the list&apos;s entries.</extracomment>
        <translation>%1: el %2 no tiene la opción &quot;%3&quot;. Sus opciones: %4</translation>
    </message>
    <message>
        <source>the setting rules would change %1. Ask for a combination the rules allow</source>
        <extracomment>%1 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*, BRAKE: ON -&gt; OFF*&quot;.</extracomment>
        <translation>las reglas de ajuste cambiarían %1. Pida una combinación que las reglas permitan</translation>
    </message>
    <message>
        <source>%1: the setting rules would change %2. Ask for a combination the rules allow</source>
        <extracomment>%1 quotes what the rules said, %2 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*&quot;.</extracomment>
        <translation>%1: las reglas de ajuste cambiarían %2. Pida una combinación que las reglas permitan</translation>
    </message>
    <message>
        <source>model code %1</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>código de modelo %1</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2, for which the list has no entry; give one</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a code such as 0x9F.</extracomment>
        <translation>%1: el ESC informó del código %2, para el que la lista no tiene opción; indique una</translation>
    </message>
</context>
<context>
    <name>SettingsCompare</name>
    <message>
        <source>code %1</source>
        <extracomment>A setting&apos;s value that no entry of the list stands for; %1 is the number.</extracomment>
        <translation>código %1</translation>
    </message>
    <message>
        <source>%1: the ESC has %2, the list shows %3</source>
        <extracomment>%1 is a setting&apos;s caption, %2 what the ESC reported, %3 what the list shows (entries or codes).</extracomment>
        <translation>%1: el ESC tiene %2, la lista muestra %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>unknown key %1 is ignored</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>se ignora la clave desconocida %1</translation>
    </message>
    <message>
        <source>unknown key %1 in &quot;model&quot; is ignored</source>
        <translation>se ignora la clave desconocida %1 en &quot;model&quot;</translation>
    </message>
    <message>
        <source>unknown key %1 in the setting %2 is ignored</source>
        <extracomment>%1 is a JSON key in quotes, %2 the setting&apos;s key in quotes (&quot;brake&quot;).</extracomment>
        <translation>se ignora la clave desconocida %1 en el ajuste %2</translation>
    </message>
    <message>
        <source>model (%1)</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>modelo (%1)</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 a number, %3 the setting&apos;s caption, %4 the model.</extracomment>
        <translation>el ajuste %1 tiene el código %2, que no es ninguna opción de %3 del %4</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery</source>
        <extracomment>%5 is the battery&apos;s chemistry, Li or Ni.</extracomment>
        <translation>el ajuste %1 tiene el código %2, que no es ninguna opción de %3 del %4 con batería %5</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery</source>
        <extracomment>The cutoff kept for the battery family not in use; %5 is that family&apos;s chemistry, Li or Ni.</extracomment>
        <translation>el ajuste %1 tiene el código %2, que no es ninguna opción de %3 del %4 para batería %5</translation>
    </message>
    <message>
        <source>the setting %1 is not an object with &quot;code&quot; and &quot;text&quot;</source>
        <extracomment>%1 is the setting&apos;s key in quotes; &quot;code&quot; and &quot;text&quot; are the file&apos;s keys.</extracomment>
        <translation>el ajuste %1 no es un objeto con &quot;code&quot; y &quot;text&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;code&quot;</source>
        <translation>el ajuste %1 no tiene &quot;code&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, not a whole number from 0 to 255</source>
        <extracomment>%2 is the code as the file holds it.</extracomment>
        <translation>el ajuste %1 tiene el código %2, que no es un número entero de 0 a 255</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;text&quot;; its code %2 stands for %3</source>
        <extracomment>%2 is a number, %3 the list&apos;s entry in quotes.</extracomment>
        <translation>el ajuste %1 no tiene &quot;text&quot;; su código %2 corresponde a %3</translation>
    </message>
    <message>
        <source>the setting %1 has text %2 but its code %3 stands for %4; correct the text or the code</source>
        <extracomment>%2 is the text the file holds, %3 a number, %4 the list&apos;s entry; both texts in quotes.</extracomment>
        <translation>el ajuste %1 tiene el texto %2, pero su código %3 corresponde a %4; corrija el texto o el código</translation>
    </message>
    <message>
        <source>it holds the setting %1, which %2 does not have</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 the model.</extracomment>
        <translation>contiene el ajuste %1, que el %2 no tiene</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its JSON text is no object)</source>
        <translation>no es un archivo de ajustes de OrvESC (su texto JSON no es un objeto)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (it has no &quot;format&quot;)</source>
        <translation>no es un archivo de ajustes de OrvESC (no tiene &quot;format&quot;)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its format is %1, not %2)</source>
        <extracomment>%1 is the format the file names, %2 the one OrvESC writes, both in quotes.</extracomment>
        <translation>no es un archivo de ajustes de OrvESC (su formato es %1, no %2)</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or not a whole number from 1 up</source>
        <translation>su &quot;version&quot; falta o no es un número entero a partir de 1</translation>
    </message>
    <message>
        <source>it has format version %1, newer than the version %2 this OrvESC reads; open it with a newer OrvESC</source>
        <extracomment>%1 is the file&apos;s format version, %2 the newest this OrvESC reads.</extracomment>
        <translation>tiene la versión de formato %1, más reciente que la versión %2 que lee este OrvESC; ábralo con un OrvESC más reciente</translation>
    </message>
    <message>
        <source>it names no &quot;model&quot;</source>
        <translation>no indica ningún &quot;model&quot;</translation>
    </message>
    <message>
        <source>its model has no whole-number &quot;code&quot;</source>
        <translation>su modelo no tiene un &quot;code&quot; entero</translation>
    </message>
    <message>
        <source>its model code %1 is not a model this tool knows</source>
        <extracomment>%1 is the model code the file holds.</extracomment>
        <translation>su código de modelo %1 no es un modelo que esta herramienta conozca</translation>
    </message>
    <message>
        <source>it has no &quot;settings&quot; object</source>
        <translation>no tiene ningún objeto &quot;settings&quot;</translation>
    </message>
    <message>
        <source>the setting %1 is missing</source>
        <extracomment>%1 is the setting&apos;s key in quotes.</extracomment>
        <translation>falta el ajuste %1</translation>
    </message>
    <message>
        <source>the model code %1 is not one the tool knows by name, so no settings file can hold it</source>
        <translation>el código de modelo %1 no es uno que la herramienta conozca por su nombre, así que ningún archivo de ajustes puede contenerlo</translation>
    </message>
    <message>
        <source>no choice is selected for %1</source>
        <extracomment>%1 lists the captions of the settings, &quot;BRAKE, TIMING MODE&quot;.</extracomment>
        <translation>no hay ninguna opción seleccionada en %1</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>%1 is the file&apos;s size in bytes.</extracomment>
        <translation>ocupa más de 64 KiB (%1 bytes), demasiado para un archivo de ajustes</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>no es texto JSON</translation>
    </message>
    <message>
        <source>%1 shows an entry that stands for no code of this model: %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1 muestra una opción que no corresponde a ningún código de este modelo: %2</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1: el ESC informó del código %2</translation>
    </message>
    <message>
        <source>the key %1 appears twice in one place</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>la clave %1 aparece dos veces en el mismo sitio</translation>
    </message>
    <message>
        <source>it ends before its JSON text does (the file is cut short)</source>
        <translation>termina antes que su texto JSON (el archivo está cortado)</translation>
    </message>
    <message>
        <source>it is not JSON text (error at %1)</source>
        <extracomment>%1 is a place in the file, &quot;line 3, column 14&quot;.</extracomment>
        <translation>no es texto JSON (error en %1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>it nests values deeper than a settings file does</source>
        <translation>anida valores a más profundidad de lo que lo hace un archivo de ajustes</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>No se puede usar el archivo de ajustes<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>Las listas no han cambiado.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir ajustes</translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation>Todavía no hay copias de seguridad. Cada vez que CONECTAR lee los ajustes de un ESC, los guarda en<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation>Este archivo contiene los ajustes de un %1; el ESC conectado es un %2. Los ajustes que no ofrece conservan su opción.</translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation>Revise el archivo por si hay errores tipográficos: %1.</translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation>Las listas ya muestran los ajustes de este archivo.</translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation>El ESC conectado no ofrece:</translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation>Estos ajustes cambiarán:</translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation>Pulse PROGRAMAR después para escribirlos en el ESC.</translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation>Estos ajustes del archivo no los ofrece el %1 conectado y conservan su opción:</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>No se guardó nada: %1.</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Guardar ajustes como</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation>El archivo<byte value="xd"/>%1<byte value="xd"/>ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>No se pudieron guardar los ajustes en<byte value="xd"/>%1<byte value="xd"/>(%2). Elija otro lugar.</translation>
    </message>
</context>
<context>
    <name>StationProgramming</name>
    <message>
        <source>Refused: this is a %1, the settings are for a %2. Nothing was written.</source>
        <translation>Rechazado: este es un %1, los ajustes son para un %2. No se escribió nada.</translation>
    </message>
    <message>
        <source>Not programmed: its settings could not be backed up (%1).</source>
        <translation>No programado: no se pudo hacer copia de seguridad de sus ajustes (%1).</translation>
    </message>
    <message>
        <source>no backup folder</source>
        <translation>no hay carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>Refused: %1. Nothing was written.</source>
        <translation>Rechazado: %1. No se escribió nada.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: %2 (command %3 of %4).</source>
        <translation>El ESC rechazó %1: %2 (comando %3 de %4).</translation>
    </message>
    <message>
        <source>No answer to %1: %2 (command %3 of %4).</source>
        <translation>Sin respuesta a %1: %2 (comando %3 de %4).</translation>
    </message>
    <message>
        <source>Cut short.</source>
        <translation>Interrumpido.</translation>
    </message>
    <message>
        <source>The read-back differs in %1.</source>
        <translation>La relectura difiere en %1.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the folder cannot be created</source>
        <extracomment>Why backups cannot be saved, shown in parentheses after the backup folder&apos;s name.</extracomment>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is its size in bytes.</extracomment>
        <translation>ocupa más de 64 KiB (%1 bytes), demasiado para un archivo de ajustes</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is the system&apos;s reason.</extracomment>
        <translation>no se puede leer (%1)</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>No se comparó nada: no hay ninguna opción seleccionada en %1.</translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation>El ESC contiene los ajustes mostrados.</translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation>El ESC aceptó todos los comandos, pero al releer sus ajustes aparecen diferencias:</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>FRENO</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATERÍA</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation>CORTE V/CELDA</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation>MODO DE CORTE</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>INICIO SUAVE</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>MODO TIMING</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>FRECUENCIA</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>INVERTIR MOTOR</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>CONTROL RPM</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>RETARDO ACELERACIÓN</translation>
    </message>
    <message>
        <source>CUTOFF</source>
        <translation>CORTE</translation>
    </message>
    <message>
        <source>AUTOCUT</source>
        <translation>AUTOCORTE</translation>
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
        <translation>Salir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Puerto COM</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>CONECTAR</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>PROGRAMAR</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>ESC Detected</source>
        <translation>ESC detectado</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programando</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>FÁBRICA</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation>Abrir ajustes...</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Guardar ajustes como...</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Restaurar copia de seguridad...</translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation>Comparar con el ESC</translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation>Verificar tras PROGRAMAR</translation>
    </message>
    <message>
        <source>Program several ESCs...</source>
        <translation>Programar varios ESC...</translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation>%1 - &quot;%2&quot; se abrirá después de CONECTAR</translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>No se envió nada: no hay ninguna opción seleccionada en %1.</translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation>ESC Quorl programado</translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation>%1 funciona una vez que CONECTAR ha leído los ajustes de un ESC: conecte primero el ESC.</translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation>Interfaz PC para ESC Orvantis</translation>
    </message>
</context>
<context>
    <name>orvesc::SeveralEscsDialog</name>
    <message>
        <source>Program several ESCs</source>
        <translation>Programar varios ESC</translation>
    </message>
    <message>
        <source>The settings the lists show</source>
        <translation>Los ajustes que muestran las listas</translation>
    </message>
    <message>
        <source>A settings file:</source>
        <translation>Un archivo de ajustes:</translation>
    </message>
    <message>
        <source>The model&apos;s factory settings</source>
        <translation>Los ajustes de fábrica del modelo</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Registro:</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Archivo de ajustes</translation>
    </message>
    <message>
        <source>Settings (*.orvesc.json *.json)</source>
        <translation>Ajustes (*.orvesc.json *.json)</translation>
    </message>
    <message>
        <source>Choose the settings and the port, then press Start.</source>
        <translation>Elija los ajustes y el puerto y pulse Iniciar.</translation>
    </message>
    <message>
        <source>Passed: %1  Failed: %2</source>
        <translation>Superados: %1  Fallidos: %2</translation>
    </message>
    <message>
        <source>Name a settings file.</source>
        <translation>Indique un archivo de ajustes.</translation>
    </message>
    <message>
        <source>Writes the settings of %1.</source>
        <translation>Escribe los ajustes de %1.</translation>
    </message>
    <message>
        <source>Writes the settings the lists show, for the %1.</source>
        <translation>Escribe los ajustes que muestran las listas, para el %1.</translation>
    </message>
    <message>
        <source>Writes the factory settings of the %1.</source>
        <translation>Escribe los ajustes de fábrica del %1.</translation>
    </message>
    <message>
        <source>Name a settings file, or choose other settings.</source>
        <translation>Indique un archivo de ajustes o elija otros ajustes.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>No se puede usar %1: %2</translation>
    </message>
    <message>
        <source>Writes the settings of %1, for the %2.</source>
        <translation>Escribe los ajustes de %1 para el %2.</translation>
    </message>
    <message>
        <source>These settings cannot be written: %1.</source>
        <translation>No se pueden escribir estos ajustes: %1.</translation>
    </message>
    <message>
        <source>No port is listed: plug in the PC interface cable.</source>
        <translation>No hay ningún puerto en la lista: conecte el cable de interfaz PC.</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>La ejecución se detuvo.</translation>
    </message>
    <message>
        <source>Unplug the ESC.</source>
        <translation>Desconecte el ESC.</translation>
    </message>
    <message>
        <source>Another ESC is on the cable.</source>
        <translation>Hay otro ESC en el cable.</translation>
    </message>
    <message>
        <source>Plug in the next ESC.</source>
        <translation>Conecte el siguiente ESC.</translation>
    </message>
    <message>
        <source>Plug in an ESC.</source>
        <translation>Conecte un ESC.</translation>
    </message>
    <message>
        <source>Run ended: %1 passed, %2 failed.</source>
        <translation>Ejecución terminada: %1 superados, %2 fallidos.</translation>
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
        <translation>Se detendrá cuando termine este ESC.</translation>
    </message>
    <message>
        <source>Stopping.</source>
        <translation>Deteniendo.</translation>
    </message>
</context>
<context>
    <name>orvesc::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name (OrvESC).</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Orvantis ESC PC interface</source>
        <extracomment>Orvantis is a maker&apos;s name; ESC: electronic speed controller.</extracomment>
        <translation>Interfaz PC para ESC Orvantis</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number (1.3.1): keep the three parts together as they are.</extracomment>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>This software will enable programming of a Orvantis ESC when used in conjunction with a Orvantis PC Interface Cable and a PC.
For news and updates visit www.orvantis.example</source>
        <extracomment>Orvantis is a maker&apos;s name; the web address stays as it is.</extracomment>
        <translation>Este software permite programar un ESC Orvantis utilizándolo junto con un cable de interfaz PC Orvantis y un PC.
Para noticias y actualizaciones, visite www.orvantis.example</translation>
    </message>
    <message>
        <source>Warning: this software is provided as is, without warranty of any kind. Orvantis accepts no liability for any damage, injury or loss arising from its use, including from settings written to a speed controller. Remove the propeller before programming.</source>
        <translation>Advertencia: este software se proporciona tal cual, sin garantía de ningún tipo. Orvantis no acepta ninguna responsabilidad por daños, lesiones o pérdidas derivados de su uso, incluidos los derivados de ajustes escritos en un variador. Retire la hélice antes de programar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button that starts the system&apos;s information program; &amp; marks its access key.</extracomment>
        <translation>&amp;Información del sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
</TS>
