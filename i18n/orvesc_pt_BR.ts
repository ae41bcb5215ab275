<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Caption</name>
    <message>
        <source>BRAKE</source>
        <translation>FREIO</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATERIA</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <extracomment>The battery voltage per cell at which the ESC cuts the motor.</extracomment>
        <translation>CORTE V/CÉL</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <extracomment>What the ESC does when the battery reaches the cutoff voltage.</extracomment>
        <translation>MODO AUTOCORTE</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>INÍCIO SUAVE</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>MODO TIMING</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>INVERTER MOTOR</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>CTRL. RPM</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>ATRASO ACELERAÇÃO</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <extracomment>The caption above a setting list: the motor&apos;s switching frequency. Short and upper case, like the others.</extracomment>
        <translation>FREQUÊNCIA</translation>
    </message>
    <message>
        <source>WARN VOLTAGE</source>
        <extracomment>The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.</extracomment>
        <translation>TENSÃO DE AVISO</translation>
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
        <translation>%1 não recebe número COM: todos os números estão ocupados.</translation>
    </message>
    <message>
        <source>set it to 1 in Device Manager: the port&apos;s Properties, Port Settings, Advanced, Latency Timer (msec)</source>
        <translation>ajuste-o para 1 no Gerenciador de Dispositivos: Propriedades da porta, Configurações de Porta, Avançado, Latency Timer (msec)</translation>
    </message>
    <message>
        <source>the package&apos;s udev rule sets it to 1 when the adapter is plugged in, or: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <extracomment>%1 is the adapter&apos;s device name in sysfs.</extracomment>
        <translation>a regra udev do pacote o ajusta para 1 quando o adaptador é conectado, ou: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2</source>
        <extracomment>%1 the adapter&apos;s latency timer in milliseconds, %2 how to lower it.</extracomment>
        <translation>temporizador de latência %1 ms: cada resposta espera até %1 ms no adaptador; %2</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Nenhuma porta serial listada: conecte o cabo de interface PC.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C while programming: the ESC may hold part of the new settings; run the command again on this port.</source>
        <translation>Interrompido por Ctrl+C durante a programação: o ESC pode conter parte das novas configurações; execute o comando novamente nesta porta.</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C.</source>
        <translation>Interrompido por Ctrl+C.</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <extracomment>A port&apos;s failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.</extracomment>
        <translation>%1: erro %2: %3</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port.</source>
        <translation>Nenhum ESC respondeu na única porta listada.</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port; none on %1.</source>
        <translation>Nenhum ESC respondeu na única porta listada; nenhum em %1.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port.</source>
        <extracomment>%1 names the ports where no ESC answered.</extracomment>
        <translation>
            <numerusform>Nenhum ESC respondeu em %n porta listada.</numerusform>
            <numerusform>Nenhum ESC respondeu em nenhuma das %n portas listadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports.</source>
        <translation>
            <numerusform>Nenhum ESC respondeu em %n porta listada.</numerusform>
            <numerusform>Nenhum ESC respondeu em nenhuma das %n portas listadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port; none on %1.</source>
        <translation>
            <numerusform>Nenhum ESC respondeu em %n porta listada; nenhum em %1.</numerusform>
            <numerusform>Nenhum ESC respondeu em nenhuma das %n portas listadas; nenhum em %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports; none on %1.</source>
        <translation>
            <numerusform>Nenhum ESC respondeu em %n porta listada; nenhum em %1.</numerusform>
            <numerusform>Nenhum ESC respondeu em nenhuma das %n portas listadas; nenhum em %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2).</source>
        <extracomment>%1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Houve resposta de ESC em %1 de %n porta listada; eram esperados %2 (--expect %2).</numerusform>
            <numerusform>Houve resposta de ESC em %1 das %n portas listadas; eram esperados %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2).</source>
        <translation>
            <numerusform>Houve resposta de ESC em %1 de %n porta listada; eram esperados %2 (--expect %2).</numerusform>
            <numerusform>Houve resposta de ESC em %1 das %n portas listadas; eram esperados %2 (--expect %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Houve resposta de ESC em %1 de %n porta listada; eram esperados %2 (--expect %2); nenhum em %3.</numerusform>
            <numerusform>Houve resposta de ESC em %1 das %n portas listadas; eram esperados %2 (--expect %2); nenhum em %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>Houve resposta de ESC em %1 de %n porta listada; eram esperados %2 (--expect %2); nenhum em %3.</numerusform>
            <numerusform>Houve resposta de ESC em %1 das %n portas listadas; eram esperados %2 (--expect %2); nenhum em %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port.</source>
        <extracomment>%1 ESCs answered; %2 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>Houve resposta de ESC em %1 de %n porta listada.</numerusform>
            <numerusform>Houve resposta de ESC em %1 das %n portas listadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports.</source>
        <translation>
            <numerusform>Houve resposta de ESC em %1 de %n porta listada.</numerusform>
            <numerusform>Houve resposta de ESC em %1 das %n portas listadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port; none on %2.</source>
        <translation>
            <numerusform>Houve resposta de ESC em %1 de %n porta listada; nenhum em %2.</numerusform>
            <numerusform>Houve resposta de ESC em %1 das %n portas listadas; nenhum em %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports; none on %2.</source>
        <translation>
            <numerusform>Houve resposta de ESC em %1 de %n porta listada; nenhum em %2.</numerusform>
            <numerusform>Houve resposta de ESC em %1 das %n portas listadas; nenhum em %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not searched: %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Não pesquisadas: %1</translation>
    </message>
    <message>
        <source>Check the cable&apos;s connector orientation at each ESC and that it is powered.</source>
        <translation>Verifique a orientação do conector do cabo em cada ESC e se ele está alimentado.</translation>
    </message>
    <message>
        <source>orvesc-cli: error %1: %2</source>
        <translation>orvesc-cli: erro %1: %2</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable.</source>
        <translation>nenhuma porta serial listada: conecte o cabo de interface PC.</translation>
    </message>
    <message>
        <source>No listed port can be opened. %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>Nenhuma porta listada pode ser aberta. %1</translation>
    </message>
    <message>
        <source>%1 Not searched: %2</source>
        <extracomment>%1 says that no ESC answered, %2 names the ports not opened, with the reason.</extracomment>
        <translation>%1 Não pesquisadas: %2</translation>
    </message>
    <message>
        <source>Reading the settings failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Falha ao ler as configurações: %1</translation>
    </message>
    <message>
        <source>No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends).</source>
        <translation>Nenhuma porta serial listada ainda: conecte o cabo de interface PC (Ctrl+C encerra).</translation>
    </message>
    <message>
        <source>settings of the %1 read: no settings document can hold them (%2), so the JSON holds the codes the ESC reported</source>
        <extracomment>%1 is the model&apos;s name, %2 why no settings document can hold what it reported.</extracomment>
        <translation>configurações do %1 lidas: nenhum documento de configurações pode contê-las (%2), por isso o JSON contém os códigos informados pelo ESC</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be written.</extracomment>
        <translation>%1 não pode ser gravado: %2</translation>
    </message>
    <message>
        <source>no settings file can hold these settings: %1.</source>
        <translation>nenhum arquivo de configurações pode conter estas configurações: %1.</translation>
    </message>
    <message>
        <source>settings of the %1 read and saved in %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>configurações do %1 lidas e salvas em %2</translation>
    </message>
    <message>
        <source>settings of the %1 read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>configurações do %1 lidas</translation>
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
        <translation>--set &quot;%1&quot; não está no formato CHAVE=OPÇÃO (por exemplo --set brake=on).</translation>
    </message>
    <message>
        <source>--set: &quot;%1&quot; is not a setting. Settings: %2.</source>
        <extracomment>%1 as typed, %2 the setting keys.</extracomment>
        <translation>--set: &quot;%1&quot; não é uma configuração. Configurações: %2.</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not an entry of %3. Entries: %4.</source>
        <extracomment>%1 the key as typed, %2 the entry as typed, %3 the setting&apos;s caption, %4 its entries.</extracomment>
        <translation>--set %1: &quot;%2&quot; não é uma opção de %3. Opções: %4.</translation>
    </message>
    <message>
        <source>--set %1: the %2 has no %3 setting. Its settings: %4.</source>
        <extracomment>%1 the key as typed, %2 the model&apos;s name, %3 the setting&apos;s caption, %4 the model&apos;s setting keys.</extracomment>
        <translation>--set %1: o %2 não tem a configuração %3. Suas configurações: %4.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>%1 não pode ser usado: %2.</translation>
    </message>
    <message>
        <source>The settings by their key for --set and settings files, with their caption; the entries each model offers (* marks the factory setting); what they do.</source>
        <translation>As configurações por sua chave para --set e arquivos de configurações, com seu título; as opções que cada modelo oferece (* marca a configuração de fábrica); o que fazem.</translation>
    </message>
    <message>
        <source>every model, battery Ni</source>
        <extracomment>Stands before a setting&apos;s entries where every model offers them, in place of the models&apos; names.</extracomment>
        <translation>todos os modelos, bateria Ni</translation>
    </message>
    <message>
        <source>every model</source>
        <translation>todos os modelos</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable, then start the station again.</source>
        <translation>nenhuma porta serial listada: conecte o cabo de interface PC e inicie a estação novamente.</translation>
    </message>
    <message>
        <source>--station works on one cable, and %1 ports are listed: %2. Name the cable&apos;s with --port, e.g. --port %3; nothing was sent.</source>
        <extracomment>%1 the number of ports (always several), %2 the ports, %3 the first of them.</extracomment>
        <translation>--station trabalha com um só cabo, e %1 portas estão listadas: %2. Indique a do cabo com --port, p. ex. --port %3; nada foi enviado.</translation>
    </message>
    <message>
        <source>Station: on %1, the only port listed.</source>
        <extracomment>%1 is the port and its device.</extracomment>
        <translation>Estação: em %1, a única porta listada.</translation>
    </message>
    <message>
        <source>%1 %2  %3  %4  (passed %5, failed %6)%7
</source>
        <extracomment>A station&apos;s result line: %1 PASS or FAIL, %2 the ESC&apos;s number in the run, %3 its model, %4 the port; %5 and %6 the counts so far, %7 nothing or &quot;: error N: what went wrong&quot;.</extracomment>
        <translation>%1 %2  %3  %4  (aprovados %5, reprovados %6)%7
</translation>
    </message>
    <message>
        <source>: error %1: %2</source>
        <translation>: erro %1: %2</translation>
    </message>
    <message>
        <source>Station: the record of this run goes to %1</source>
        <extracomment>%1 is the record file.</extracomment>
        <translation>Estação: o registro desta execução vai para %1</translation>
    </message>
    <message>
        <source>Station: finishing the ESC being programmed; Ctrl+C again ends at once.</source>
        <translation>Estação: concluindo o ESC em programação; Ctrl+C novamente encerra imediatamente.</translation>
    </message>
    <message>
        <source>Station: %1: cut short by Ctrl+C while programming: the ESC may hold part of the new settings; program it again.</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>Estação: %1: interrompido por Ctrl+C durante a programação: o ESC pode conter parte das novas configurações; programe-o novamente.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 The station stops.</source>
        <extracomment>%1 says why the record could not be written.</extracomment>
        <translation>orvesc-cli: %1 A estação para.</translation>
    </message>
    <message>
        <source>Station: unplug the ESC.</source>
        <translation>Estação: desconecte o ESC.</translation>
    </message>
    <message>
        <source>Station: another ESC is on the cable.</source>
        <translation>Estação: outro ESC está no cabo.</translation>
    </message>
    <message>
        <source>Station: plug in the next ESC.</source>
        <translation>Estação: conecte o próximo ESC.</translation>
    </message>
    <message>
        <source>Station: plug in an ESC; Ctrl+C ends.</source>
        <translation>Estação: conecte um ESC; Ctrl+C encerra.</translation>
    </message>
    <message>
        <source>Station ended: %1 passed, %2 failed
</source>
        <translation>Estação encerrada: %1 aprovados, %2 reprovados
</translation>
    </message>
    <message>
        <source>The trace file %1 cannot be written: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>O arquivo de rastreamento %1 não pode ser gravado: %2.</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, it was programmed with %4
</source>
        <extracomment>%1 the port, %2 the setting&apos;s caption, %3 the entry the ESC reports, %4 the entry programmed.</extracomment>
        <translation>%1: %2: o ESC tem %3, foi programado com %4
</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, the file has %4
</source>
        <translation>%1: %2: o ESC tem %3, o arquivo tem %4
</translation>
    </message>
    <message>
        <source>the settings before the write are kept in %1</source>
        <extracomment>%1 is the backup file.</extracomment>
        <translation>as configurações anteriores à gravação ficam guardadas em %1</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Add --allow-other-model to compare what fits.</source>
        <extracomment>%1 and %3 are model names, %2 and %4 their model codes.</extracomment>
        <translation>O arquivo contém as configurações de um %1 (código de modelo %2), mas o ESC é um %3 (código de modelo %4). Adicione --allow-other-model para comparar o que for compatível.</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Nothing was sent; add --allow-other-model to use what fits.</source>
        <translation>O arquivo contém as configurações de um %1 (código de modelo %2), mas o ESC é um %3 (código de modelo %4). Nada foi enviado; adicione --allow-other-model para usar o que for compatível.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Recusado: %1</translation>
    </message>
    <message>
        <source>Refused, nothing was sent: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>Recusado, nada foi enviado: %1</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it was not compared</source>
        <extracomment>%1 is the model&apos;s name, %2 the file&apos;s settings it lacks (&quot;CAPTION: entry&quot;, comma-separated).</extracomment>
        <translation>o %1 não oferece %2; não foi comparado</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they were not compared</source>
        <translation>o %1 não oferece %2; não foram comparados</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it keeps its value</source>
        <translation>o %1 não oferece %2; mantém seu valor</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they keep their value</source>
        <translation>o %1 não oferece %2; mantêm seu valor</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <extracomment>%1 says why the file cannot be used.</extracomment>
        <translation>%1 Nada foi enviado.</translation>
    </message>
    <message>
        <source>the %1 holds the settings of %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>o %1 contém as configurações de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n setting differs from %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>
            <numerusform>%n configuração difere de %1</numerusform>
            <numerusform>%n configurações diferem de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ from %1</source>
        <translation>
            <numerusform>%n configuração difere de %1</numerusform>
            <numerusform>%n configurações diferem de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found, settings read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>%1 encontrado, configurações lidas</translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n setting would change), nothing sent</source>
        <extracomment>%1 the number of command bytes, %2 the model&apos;s name; %n settings would change.</extracomment>
        <translation>
            <numerusform>simulação: %1 bytes de comando para o %2 exibidos (%n configuração mudaria), nada enviado</numerusform>
            <numerusform>simulação: %1 bytes de comando para o %2 exibidos (%n configurações mudariam), nada enviado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n settings would change), nothing sent</source>
        <translation>
            <numerusform>simulação: %1 bytes de comando para o %2 exibidos (%n configuração mudaria), nada enviado</numerusform>
            <numerusform>simulação: %1 bytes de comando para o %2 exibidos (%n configurações mudariam), nada enviado</numerusform>
        </translation>
    </message>
    <message>
        <source>Command %1 of %2 (%3) failed: %4</source>
        <extracomment>%1 the command&apos;s number, %2 how many there are, %3 its byte, %4 what went wrong.</extracomment>
        <translation>O comando %1 de %2 (%3) falhou: %4</translation>
    </message>
    <message>
        <source>The run was cut short.</source>
        <translation>A execução foi interrompida.</translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>concluído: %1 programado (não verificado), %n configuração alterada</numerusform>
            <numerusform>concluído: %1 programado (não verificado), %n configurações alteradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n settings changed</source>
        <translation>
            <numerusform>concluído: %1 programado (não verificado), %n configuração alterada</numerusform>
            <numerusform>concluído: %1 programado (não verificado), %n configurações alteradas</numerusform>
        </translation>
    </message>
    <message>
        <source>Programmed, but the read-back failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Programado, mas a releitura falhou: %1</translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n setting</source>
        <translation>
            <numerusform>A releitura difere em %n configuração</numerusform>
            <numerusform>A releitura difere em %n configurações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n settings</source>
        <translation>
            <numerusform>A releitura difere em %n configuração</numerusform>
            <numerusform>A releitura difere em %n configurações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>concluído: %1 programado e verificado, %n configuração alterada</numerusform>
            <numerusform>concluído: %1 programado e verificado, %n configurações alteradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n settings changed</source>
        <translation>
            <numerusform>concluído: %1 programado e verificado, %n configuração alterada</numerusform>
            <numerusform>concluído: %1 programado e verificado, %n configurações alteradas</numerusform>
        </translation>
    </message>
    <message>
        <source>(changes)</source>
        <translation>(muda)</translation>
    </message>
    <message>
        <source>(the ESC has %1)</source>
        <extracomment>%1 is the entry the ESC has now.</extracomment>
        <translation>(o ESC tem %1)</translation>
    </message>
    <message>
        <source>the settings before the write cannot be backed up (%1); note the codes the ESC reported: %2</source>
        <extracomment>%1 says why, %2 lists the codes.</extracomment>
        <translation>não é possível fazer backup das configurações anteriores à gravação (%1); anote os códigos informados pelo ESC: %2</translation>
    </message>
    <message>
        <source>%1 (command %2 of %3, %4)</source>
        <extracomment>Names a command of a programming run: %1 the setting&apos;s caption and entry, %2 its number, %3 how many there are, %4 its byte.</extracomment>
        <translation>%1 (comando %2 de %3, %4)</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the ones after it were not programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer, %3 the echo it should have sent.</extracomment>
        <translation>O ESC respondeu a %1 com %2 em vez do eco %3; não se sabe se o armazenou; as configurações seguintes não foram programadas.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed.</source>
        <translation>O ESC respondeu a %1 com %2 em vez do eco %3; não se sabe se o armazenou; as configurações anteriores foram programadas.</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed, the ones after it were not.</source>
        <translation>O ESC respondeu a %1 com %2 em vez do eco %3; não se sabe se o armazenou; as configurações anteriores foram programadas, as seguintes não.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer.</extracomment>
        <translation>O ESC rejeitou %1: respondeu %2 em vez de 0x01; nada foi programado.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed.</source>
        <translation>O ESC rejeitou %1: respondeu %2 em vez de 0x01; as configurações anteriores foram programadas.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed, the ones after it were not.</source>
        <translation>O ESC rejeitou %1: respondeu %2 em vez de 0x01; as configurações anteriores foram programadas, as seguintes não.</translation>
    </message>
    <message>
        <source>orvesc-cli: %1
Try &apos;%2&apos;.
</source>
        <extracomment>%1 says what is wrong, %2 is the help command to run.</extracomment>
        <translation>orvesc-cli: %1
Tente &apos;%2&apos;.
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: did you mean %2?</source>
        <translation>comando desconhecido &quot;%1&quot;: você quis dizer %2?</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: the commands are %2.</source>
        <translation>comando desconhecido &quot;%1&quot;: os comandos são %2.</translation>
    </message>
    <message>
        <source>unknown option %1%2.</source>
        <translation>opção desconhecida %1%2.</translation>
    </message>
    <message>
        <source>unknown option %1%2: did you mean --%3?</source>
        <translation>opção desconhecida %1%2: você quis dizer --%3?</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 não se aplica a %2.</translation>
    </message>
    <message>
        <source>%1 applies only to %2.</source>
        <translation>%1 só se aplica a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: give a COM number (COM3 or 3, 1 to 255) or a device path such as /dev/ttyUSB0.</source>
        <translation>&quot;%1&quot; não é uma porta: indique um número COM (COM3 ou 3, de 1 a 255) ou um caminho de dispositivo como /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>--expect takes the number of ESCs that must answer, such as --expect 4; &quot;%1&quot; is none.</source>
        <translation>--expect recebe o número de ESCs que devem responder, por exemplo --expect 4; &quot;%1&quot; não é um número.</translation>
    </message>
    <message>
        <source>--expect counts the ESCs that --all finds: add --all.</source>
        <translation>--expect conta os ESCs que --all encontra: adicione --all.</translation>
    </message>
    <message>
        <source>give either --port or --all, not both.</source>
        <translation>indique --port ou --all, não ambos.</translation>
    </message>
    <message>
        <source>verify needs a settings file: orvesc-cli verify FILE.</source>
        <translation>verify precisa de um arquivo de configurações: orvesc-cli verify FILE.</translation>
    </message>
    <message>
        <source>write needs a settings file, --set KEY=ENTRY, or both: nothing to write.</source>
        <translation>write precisa de um arquivo de configurações, --set KEY=ENTRY ou ambos: nada a gravar.</translation>
    </message>
    <message>
        <source>-o writes one ESC&apos;s settings: give one --port, or use --json.</source>
        <translation>-o grava as configurações de um só ESC: indique um só --port ou use --json.</translation>
    </message>
    <message>
        <source>--station works on one cable: give at most one --port, and no --all.</source>
        <translation>--station trabalha com um só cabo: indique no máximo um --port e não use --all.</translation>
    </message>
    <message>
        <source>--record keeps the record of a station&apos;s run: add --station.</source>
        <translation>--record guarda o registro de uma execução da estação: adicione --station.</translation>
    </message>
    <message>
        <source>--station programs every ESC it meets: drop --dry-run.</source>
        <translation>--station programa todo ESC conectado: remova --dry-run.</translation>
    </message>
    <message>
        <source>--dry-run sends nothing, so there is nothing to verify: drop --no-verify.</source>
        <translation>--dry-run não envia nada, então não há nada a verificar: remova --no-verify.</translation>
    </message>
    <message>
        <source>(linked as %1)</source>
        <extracomment>%1 is the file the port is linked as.</extracomment>
        <translation>(vinculado como %1)</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 Nothing was sent.</source>
        <extracomment>%1 says why the record cannot be written.</extracomment>
        <translation>orvesc-cli: %1 Nada foi enviado.</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation>Salvar diagnóstico...</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>temporizador de latência %1 ms</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>número de série %1</translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation>Diagnóstico do %1 %2, gerado em %3</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (compilado com %2)</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>Sistema: %1, kernel %2 %3, %4</translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation>Portas (COM%1 a COM%2):</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  nenhuma</translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation>Tráfego (%1 eventos, %2 mais antigos descartados; segundos desde a inicialização):</translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Não foi possível gravar o diagnóstico em %1: %2. Escolha outra pasta e salve novamente.</translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation>Salvar diagnóstico</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>OFF</source>
        <extracomment>A drop-down entry: keep it as short. The setting is off.</extracomment>
        <translation>DESL</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>A drop-down entry: keep it as short. The setting is on.</extracomment>
        <translation>LIG</translation>
    </message>
    <message>
        <source>SOFT</source>
        <extracomment>A drop-down entry: keep it as short. A soft brake or a soft timing.</extracomment>
        <translation>SUAVE</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>A drop-down entry: keep it as short. A hard timing.</extracomment>
        <translation>FORTE</translation>
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
        <translation>REDUZIR POT.</translation>
    </message>
    <message>
        <source>NO CUT</source>
        <extracomment>A drop-down entry: keep it as short. The motor is never cut at low voltage.</extracomment>
        <translation>S/ CORTE</translation>
    </message>
    <message>
        <source>ON RANGE 1</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, first speed range.</extracomment>
        <translation>LIG FAIXA 1</translation>
    </message>
    <message>
        <source>ON RANGE 2</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, second speed range.</extracomment>
        <translation>LIG FAIXA 2</translation>
    </message>
    <message>
        <source>ON RANGE 3</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, third speed range.</extracomment>
        <translation>LIG FAIXA 3</translation>
    </message>
    <message>
        <source>GASMODE</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, in its gas mode.</extracomment>
        <translation>MODO GÁS</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.</extracomment>
        <translation>NÍVEL1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.</extracomment>
        <translation>NÍVEL2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.</extracomment>
        <translation>NÍVEL3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.</extracomment>
        <translation>NÍVEL4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.</extracomment>
        <translation>NÍVEL5</translation>
    </message>
    <message>
        <source>LEVEL6</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.</extracomment>
        <translation>NÍVEL6</translation>
    </message>
    <message>
        <source>LEVEL7</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.</extracomment>
        <translation>NÍVEL7</translation>
    </message>
    <message>
        <source>LEVEL8</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.</extracomment>
        <translation>NÍVEL8</translation>
    </message>
    <message>
        <source>LEVEL9</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.</extracomment>
        <translation>NÍVEL9</translation>
    </message>
    <message>
        <source>LEVEL10</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.</extracomment>
        <translation>NÍVEL10</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>A drop-down entry: keep it as short. The model has no acceleration delay setting.</extracomment>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Ni</source>
        <extracomment>A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside &quot;2S Li&quot; and the like.</extracomment>
        <translation>Ni</translation>
    </message>
    <message>
        <source>(no choice)</source>
        <extracomment>What a list names when none of its entries is chosen.</extracomment>
        <translation>(nenhuma opção)</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM control off.</source>
        <translation>O que o ESC faz com o motor quando o acelerador é fechado: DESL o deixa girar livre, LIG e SUAVE o freiam. Freio e controle de RPM se excluem: escolher um freio desliga o controle de RPM.</translation>
    </message>
    <message>
        <source>The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li to 12S Li). Changing it resets the cutoff voltage, so choose the battery first.</source>
        <translation>A bateria que alimenta o ESC: Ni para células de níquel, ou o número de células de lítio (2S Li a 12S Li). Alterá-la redefine a tensão de corte, por isso escolha a bateria primeiro.</translation>
    </message>
    <message>
        <source>The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. The lowest voltage counts as a hard cut, with which RPM control cannot be on.</source>
        <translation>A tensão por célula na qual o ESC reage à bateria fraca, conforme o MODO AUTOCORTE. A tensão mais baixa conta como corte rígido, com o qual o controle de RPM não pode ficar ligado.</translation>
    </message>
    <message>
        <source>What the ESC does when the battery falls to the cutoff voltage. RPM control needs a cutoff: NO CUT switches it off.</source>
        <translation>O que o ESC faz quando a bateria cai até a tensão de corte. O controle de RPM exige um corte: S/ CORTE o desliga.</translation>
    </message>
    <message>
        <source>Starts the motor gently rather than at full power at once. RPM control needs soft start: OFF switches RPM control off, and turning RPM control on switches soft start on.</source>
        <translation>Dá partida no motor suavemente, em vez de aplicar potência total de uma vez. O controle de RPM exige o início suave: DESL desliga o controle de RPM, e ligar o controle de RPM liga o início suave.</translation>
    </message>
    <message>
        <source>The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer fixed angles. Which timing suits a motor, see the motor&apos;s or the ESC&apos;s manual.</source>
        <translation>O timing do motor: AUTO deixa a escolha com o ESC; os modelos para 10 e 12 células também oferecem ângulos fixos. Para saber qual timing convém a um motor, consulte o manual do motor ou do ESC.</translation>
    </message>
    <message>
        <source>The frequency at which the ESC switches the motor&apos;s power. Which suits a motor, see the ESC&apos;s manual. The W models have a warn voltage in its place.</source>
        <translation>A frequência com que o ESC chaveia a potência do motor. Para saber qual convém a um motor, consulte o manual do ESC. Os modelos W têm uma tensão de aviso no lugar dela.</translation>
    </message>
    <message>
        <source>Offered by the W models in place of the frequency. What the ESC warns of at this voltage, and how, see the ESC&apos;s manual.</source>
        <translation>Oferecida pelos modelos W no lugar da frequência. Sobre o que o ESC avisa nessa tensão, e como, consulte o manual do ESC.</translation>
    </message>
    <message>
        <source>ON makes the motor turn the other way round.</source>
        <translation>LIG faz o motor girar no sentido contrário.</translation>
    </message>
    <message>
        <source>Keeps the motor&apos;s speed under the ESC&apos;s control, in one of its ranges (see the ESC&apos;s manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to REDUCE POWER.</source>
        <translation>Mantém a rotação do motor sob controle do ESC, em uma de suas faixas (consulte o manual do ESC). Não funciona com freio, sem início suave, com S/ CORTE nem com a tensão de corte mais baixa: ligá-lo desliga o freio, liga o início suave e muda PARAR MOTOR para REDUZIR POT.</translation>
    </message>
    <message>
        <source>How quickly the motor may follow the throttle, in ten levels; what each level means, see the ESC&apos;s manual. Only the R9 models for 10 and 12 cells have it.</source>
        <translation>Com que rapidez o motor pode acompanhar o acelerador, em dez níveis; para saber o que cada nível significa, consulte o manual do ESC. Só os modelos R9 para 10 e 12 células têm esta opção.</translation>
    </message>
    <message>
        <source>A softer brake than ON; how soft, see the ESC&apos;s manual. It counts as a brake: RPM control is switched off.</source>
        <translation>Um freio mais suave que LIG; para saber quão suave, consulte o manual do ESC. Conta como freio: o controle de RPM é desligado.</translation>
    </message>
    <message>
        <source>Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per cell.</source>
        <translation>Células de níquel: a lista de corte passa a oferecer as tensões para níquel, de 0.6 V a 0.9 V por célula.</translation>
    </message>
    <message>
        <source>The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE POWER.</source>
        <translation>O motor para na tensão de corte. Ligar o controle de RPM muda isto para REDUZIR POT.</translation>
    </message>
    <message>
        <source>The ESC reduces the motor&apos;s power at the cutoff voltage instead of stopping it.</source>
        <translation>O ESC reduz a potência do motor na tensão de corte em vez de pará-lo.</translation>
    </message>
    <message>
        <source>No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control is switched off.</source>
        <translation>Sem corte: o ESC continua acionando o motor por mais que a bateria caia. O controle de RPM é desligado.</translation>
    </message>
    <message>
        <source>A fixed soft timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Um timing suave fixo; para saber o ângulo, consulte o manual do ESC.</translation>
    </message>
    <message>
        <source>A fixed hard timing; its angle, see the ESC&apos;s manual.</source>
        <translation>Um timing forte fixo; para saber o ângulo, consulte o manual do ESC.</translation>
    </message>
    <message>
        <source>The ESC chooses the timing itself.</source>
        <translation>O ESC escolhe o timing sozinho.</translation>
    </message>
    <message>
        <source>Offered by the R9 models besides the ranges; it counts as RPM control on. What it does, see the ESC&apos;s manual.</source>
        <translation>Oferecido pelos modelos R9 além das faixas; conta como controle de RPM ligado. Para saber o que faz, consulte o manual do ESC.</translation>
    </message>
    <message>
        <source>This model has no acceleration delay.</source>
        <translation>Este modelo não tem atraso de aceleração.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>These ports could not be opened, so no ESC was looked for there:</source>
        <extracomment>Followed by one line per port saying why it could not be opened.</extracomment>
        <translation>Estas portas não puderam ser abertas, então nenhum ESC foi procurado nelas:</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and press CONNECT.</source>
        <extracomment>COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0). CONNECT is a button: use its translated name.</extracomment>
        <translation>A porta do ESC, COM%1 (%2), desapareceu: conecte o cabo novamente e pressione CONECTAR.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and run the command again.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>A porta do ESC, COM%1 (%2), desapareceu: conecte o cabo novamente e execute o comando de novo.</translation>
    </message>
    <message>
        <source>The setting code %1 cannot be sent: a command is one byte, 0 to 255. Nothing was sent to the ESC.</source>
        <extracomment>%1 is the number that was to be sent.</extracomment>
        <translation>O código de configuração %1 não pode ser enviado: um comando é um byte, de 0 a 255. Nada foi enviado ao ESC.</translation>
    </message>
    <message>
        <source>Orvantis Controller Not Found!<byte value="xd"/><byte value="xd"/>• Check the PC Cable Adapter&apos;s connector orientation at your ESC<byte value="xd"/><byte value="xd"/>• Check Windows Device Manager to insure that device drivers for<byte value="xd"/>  your USB Adapter cable are properly loaded, and that a Serial Port<byte value="xd"/>  has been created by the USB adapter</source>
        <extracomment>A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a maker&apos;s name; Device Manager is the name of the Windows program.</extracomment>
        <translation>Controlador Orvantis não encontrado!<byte value="xd"/><byte value="xd"/>• Verifique a orientação do conector do adaptador do cabo PC no seu ESC<byte value="xd"/><byte value="xd"/>• Verifique no Gerenciador de Dispositivos do Windows se os drivers do<byte value="xd"/>  seu cabo adaptador USB foram carregados corretamente e se uma porta<byte value="xd"/>  serial foi criada pelo adaptador USB</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Erro de comunicação</translation>
    </message>
    <message>
        <source>No COM port is selected: the port list is empty, or the selected entry has no port number (only the first ten listed ports can be used).</source>
        <extracomment>COM port: a serial port as the port list names it (COM1, COM2...).</extracomment>
        <translation>Nenhuma porta COM selecionada: a lista de portas está vazia ou a opção selecionada não tem número de porta (só as dez primeiras portas listadas podem ser usadas).</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>Nenhuma porta serial listada: conecte o cabo de interface PC.</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports. Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>%n is the number of ports searched, always 2 or more.</extracomment>
        <translation>
            <numerusform>Nenhum ESC respondeu em nenhuma das %n portas listadas. Verifique a orientação do conector do cabo no ESC e se o ESC está alimentado.</numerusform>
            <numerusform>Nenhum ESC respondeu em nenhuma das %n portas listadas. Verifique a orientação do conector do cabo no ESC e se o ESC está alimentado.</numerusform>
        </translation>
    </message>
    <message>
        <source>No ESC answered on COM%1 (%2). Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>Nenhum ESC respondeu em COM%1 (%2). Verifique a orientação do conector do cabo no ESC e se o ESC está alimentado.</translation>
    </message>
    <message>
        <source>the reply began with 0x00.</source>
        <extracomment>The command line&apos;s reason why a read failed, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>a resposta começou com 0x00.</translation>
    </message>
    <message>
        <source>the run was cut short.</source>
        <extracomment>The command line&apos;s reason why a run ended, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>a execução foi interrompida.</translation>
    </message>
    <message>
        <source>Backups are off until OrvESC is started again: the settings cannot be saved in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have backups.</source>
        <extracomment>A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Backups desativados até o OrvESC ser reiniciado: as configurações não podem ser salvas em<byte value="xd"/>%1<byte value="xd"/>(%2). CONECTAR, PROGRAMAR e PADRÃO funcionam como antes; torne a pasta gravável para ter backups.</translation>
    </message>
    <message>
        <source>backups are off for this run: the settings cannot be saved in %1 (%2); the write goes on. Make the folder writable to have backups.</source>
        <extracomment>A command-line note after the port&apos;s name and a colon, so it starts lower case. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;).</extracomment>
        <translation>backups desativados nesta execução: as configurações não podem ser salvas em %1 (%2); a gravação prossegue. Torne a pasta gravável para ter backups.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>RPM Control Disabled with Brake</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Controle de RPM desativado com freio</translation>
    </message>
    <message>
        <source>RPM Control Disabled with Hard Cut LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Controle de RPM desativado com corte rígido por baixa tensão (LVC)</translation>
    </message>
    <message>
        <source>RPM Control Disabled without SoftStart</source>
        <extracomment>A message box after the user changed a setting.</extracomment>
        <translation>Controle de RPM desativado sem início suave</translation>
    </message>
    <message>
        <source>RPM Control Disabled without LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>Controle de RPM desativado sem corte por baixa tensão (LVC)</translation>
    </message>
    <message>
        <source>Brake Disabled  / Softstart enabled with RPM Control</source>
        <extracomment>A message box after the user changed a setting: two corrections made at once.</extracomment>
        <translation>Freio desativado / Início suave ativado com controle de RPM</translation>
    </message>
    <message>
        <source>The ESC reported settings that this tool cannot show (their lists are left empty):</source>
        <extracomment>The first line of a message box; one line per setting follows.</extracomment>
        <translation>O ESC informou configurações que esta ferramenta não consegue exibir (suas listas ficam vazias):</translation>
    </message>
    <message>
        <source>No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.</source>
        <extracomment>The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>Nenhum backup pode guardar estes códigos: anote-os antes que PROGRAMAR ou PADRÃO os sobrescreva.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation>Configurações OrvESC (*.orvesc.json);;Arquivos JSON (*.json);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>No record file is named: name one.</source>
        <translation>Nenhum arquivo de registro indicado: indique um.</translation>
    </message>
    <message>
        <source>The record file %1 is a folder: name a file.</source>
        <translation>O arquivo de registro %1 é uma pasta: indique um arquivo.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be read: %2.</source>
        <translation>O arquivo de registro %1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>%1 is not a record of OrvESC&apos;s runs (its first line differs): name another file.</source>
        <translation>%1 não é um registro de execuções do OrvESC (sua primeira linha é diferente): indique outro arquivo.</translation>
    </message>
    <message>
        <source>The record file %1 cannot be written: %2.</source>
        <translation>O arquivo de registro %1 não pode ser gravado: %2.</translation>
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
        <translation>%1 está em uso por outro programa; %2 está em execução e pode estar retendo a porta. Pare-o com: sudo systemctl stop %3 e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 are running and may hold it. Stop them with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 the names of two or more system services, %3 their units; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 está em uso por outro programa; %2 estão em execução e podem estar retendo a porta. Pare-os com: sudo systemctl stop %3 e tente novamente.</translation>
    </message>
    <message>
        <source>There is no %1: no serial port or USB adapter has that number. Check that the adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM12).</extracomment>
        <translation>Não existe %1: nenhuma porta serial ou adaptador USB tem esse número. Verifique se o adaptador está conectado.</translation>
    </message>
    <message>
        <source>%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.</source>
        <extracomment>%1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.</extracomment>
        <translation>%1 não é um número de porta que esta ferramenta possa usar: os números vão de COM%2 a COM%3.</translation>
    </message>
    <message>
        <source>%1 is open: the port number can only change while the port is closed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 está aberta: o número da porta só pode mudar com a porta fechada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting the serial port can take (it should read like 19200,N,8,1).</source>
        <extracomment>%1 is the text given; &quot;19200,N,8,1&quot; is a setting as the port takes it and stays as it is.</extracomment>
        <translation>&quot;%1&quot; não é um parâmetro de linha que a porta serial aceite (deve ser algo como 19200,N,8,1).</translation>
    </message>
    <message>
        <source>%1 is not a read length (0 reads everything waiting).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 não é um comprimento de leitura (0 lê tudo o que estiver aguardando).</translation>
    </message>
    <message>
        <source>%1 is not a read mode (0 text, 1 bytes).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 não é um modo de leitura (0 texto, 1 bytes).</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1).</extracomment>
        <translation>%1 não aceita os parâmetros de linha %2.</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2: %3.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system&apos;s reason.</extracomment>
        <translation>%1 não aceita os parâmetros de linha %2: %3.</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 já está aberta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist. Check that the USB adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 não pode ser aberta: o dispositivo não existe. Verifique se o adaptador USB está conectado.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user. Ask the administrator of this computer for access to the device.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Este usuário não tem permissão para abrir %1. Peça ao administrador deste computador acesso ao dispositivo.</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user: access is granted to the group &quot;%2&quot;. Join it with: sudo usermod -aG %2 $USER, then log in again.</source>
        <extracomment>%1 is a port name (COM3), %2 a user group&apos;s name (dialout); &quot;sudo usermod -aG %2 $USER&quot; is a command and stays as it is.</extracomment>
        <translation>Este usuário não tem permissão para abrir %1: o acesso é concedido ao grupo &quot;%2&quot;. Entre nele com: sudo usermod -aG %2 $USER e depois faça login novamente.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this user may not write the port&apos;s lock file (in /var/lock or /tmp).</source>
        <extracomment>%1 is a port name (COM3); /var/lock and /tmp are folders.</extracomment>
        <translation>%1 não pode ser aberta: este usuário não pode gravar o arquivo de bloqueio da porta (em /var/lock ou /tmp).</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 está em uso por outro programa. Feche esse programa ou escolha outra porta.</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2). Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3), %2 the programs holding it (&quot;minicom, process 12&quot;).</extracomment>
        <translation>%1 está em uso por outro programa (%2). Feche esse programa ou escolha outra porta.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not a serial port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 não pode ser aberta: não é uma porta serial.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the system gave no reason.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 não pode ser aberta: o sistema não informou o motivo.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>%1 não pode ser aberta: %2.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: the USB adapter may have been unplugged.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>A conexão com %1 foi perdida: o adaptador USB pode ter sido desconectado.</translation>
    </message>
    <message>
        <source>%1 is not open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 não está aberta.</translation>
    </message>
    <message>
        <source>Sending to %1 failed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>Falha ao enviar para %1.</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Falha ao enviar para %1: %2.</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>Falha ao ler de %1: %2.</translation>
    </message>
    <message>
        <source>The ESC&apos;s port %1 is gone.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>A porta do ESC, %1, desapareceu.</translation>
    </message>
    <message>
        <source>%1 (linked as %2)</source>
        <extracomment>A port&apos;s tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).</extracomment>
        <translation>%1 (vinculado como %2)</translation>
    </message>
    <message>
        <source>The USB adapter %1 appeared and vanished again at once: brltty, a braille-display service, may be taking it. If you use no braille display, remove it with: sudo apt remove brltty, then plug the adapter in again.</source>
        <extracomment>%1 is the adapter&apos;s device (/dev/ttyUSB0); brltty is a program&apos;s name and &quot;sudo apt remove brltty&quot; a command: both stay as they are.</extracomment>
        <translation>O adaptador USB %1 apareceu e sumiu logo em seguida: o brltty, um serviço para displays braille, pode estar se apoderando dele. Se você não usa display braille, remova-o com: sudo apt remove brltty e conecte o adaptador novamente.</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>the %1 has no %2 setting</source>
        <extracomment>%1 is the ESC&apos;s model, %2 a setting&apos;s caption (&quot;BRAKE&quot;).</extracomment>
        <translation>o %1 não tem a configuração %2</translation>
    </message>
    <message>
        <source>%1: the %2 has no entry &quot;%3&quot;. Its entries: %4</source>
        <extracomment>%1 is a setting&apos;s caption, %2 the ESC&apos;s model, %3 the entry asked for, %4 the list&apos;s entries.</extracomment>
        <translation>%1: o %2 não tem a opção &quot;%3&quot;. Suas opções: %4</translation>
    </message>
    <message>
        <source>the setting rules would change %1. Ask for a combination the rules allow</source>
        <extracomment>%1 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*, BRAKE: ON -&gt; OFF*&quot;.</extracomment>
        <translation>as regras de configuração mudariam %1. Peça uma combinação que as regras permitam</translation>
    </message>
    <message>
        <source>%1: the setting rules would change %2. Ask for a combination the rules allow</source>
        <extracomment>%1 quotes what the rules said, %2 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*&quot;.</extracomment>
        <translation>%1: as regras de configuração mudariam %2. Peça uma combinação que as regras permitam</translation>
    </message>
    <message>
        <source>model code %1</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>código de modelo %1</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2, for which the list has no entry; give one</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a code such as 0x9F.</extracomment>
        <translation>%1: o ESC informou o código %2, para o qual a lista não tem opção; informe uma</translation>
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
        <translation>%1: o ESC tem %2, a lista mostra %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>unknown key %1 is ignored</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>a chave desconhecida %1 é ignorada</translation>
    </message>
    <message>
        <source>unknown key %1 in &quot;model&quot; is ignored</source>
        <translation>a chave desconhecida %1 em &quot;model&quot; é ignorada</translation>
    </message>
    <message>
        <source>unknown key %1 in the setting %2 is ignored</source>
        <extracomment>%1 is a JSON key in quotes, %2 the setting&apos;s key in quotes (&quot;brake&quot;).</extracomment>
        <translation>a chave desconhecida %1 na configuração %2 é ignorada</translation>
    </message>
    <message>
        <source>model (%1)</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>modelo (%1)</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 a number, %3 the setting&apos;s caption, %4 the model.</extracomment>
        <translation>a configuração %1 tem o código %2, que não é uma opção de %3 do %4</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery</source>
        <extracomment>%5 is the battery&apos;s chemistry, Li or Ni.</extracomment>
        <translation>a configuração %1 tem o código %2, que não é uma opção de %3 do %4 com bateria %5</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery</source>
        <extracomment>The cutoff kept for the battery family not in use; %5 is that family&apos;s chemistry, Li or Ni.</extracomment>
        <translation>a configuração %1 tem o código %2, que não é uma opção de %3 do %4 para bateria %5</translation>
    </message>
    <message>
        <source>the setting %1 is not an object with &quot;code&quot; and &quot;text&quot;</source>
        <extracomment>%1 is the setting&apos;s key in quotes; &quot;code&quot; and &quot;text&quot; are the file&apos;s keys.</extracomment>
        <translation>a configuração %1 não é um objeto com &quot;code&quot; e &quot;text&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;code&quot;</source>
        <translation>a configuração %1 não tem &quot;code&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, not a whole number from 0 to 255</source>
        <extracomment>%2 is the code as the file holds it.</extracomment>
        <translation>a configuração %1 tem o código %2, que não é um número inteiro de 0 a 255</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;text&quot;; its code %2 stands for %3</source>
        <extracomment>%2 is a number, %3 the list&apos;s entry in quotes.</extracomment>
        <translation>a configuração %1 não tem &quot;text&quot;; seu código %2 corresponde a %3</translation>
    </message>
    <message>
        <source>the setting %1 has text %2 but its code %3 stands for %4; correct the text or the code</source>
        <extracomment>%2 is the text the file holds, %3 a number, %4 the list&apos;s entry; both texts in quotes.</extracomment>
        <translation>a configuração %1 tem o texto %2, mas seu código %3 corresponde a %4; corrija o texto ou o código</translation>
    </message>
    <message>
        <source>it holds the setting %1, which %2 does not have</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 the model.</extracomment>
        <translation>contém a configuração %1, que o %2 não tem</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its JSON text is no object)</source>
        <translation>não é um arquivo de configurações do OrvESC (seu texto JSON não é um objeto)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (it has no &quot;format&quot;)</source>
        <translation>não é um arquivo de configurações do OrvESC (não tem &quot;format&quot;)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its format is %1, not %2)</source>
        <extracomment>%1 is the format the file names, %2 the one OrvESC writes, both in quotes.</extracomment>
        <translation>não é um arquivo de configurações do OrvESC (seu formato é %1, não %2)</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or not a whole number from 1 up</source>
        <translation>sua &quot;version&quot; está ausente ou não é um número inteiro a partir de 1</translation>
    </message>
    <message>
        <source>it has format version %1, newer than the version %2 this OrvESC reads; open it with a newer OrvESC</source>
        <extracomment>%1 is the file&apos;s format version, %2 the newest this OrvESC reads.</extracomment>
        <translation>tem a versão de formato %1, mais nova que a versão %2 que este OrvESC lê; abra-o com um OrvESC mais novo</translation>
    </message>
    <message>
        <source>it names no &quot;model&quot;</source>
        <translation>não indica nenhum &quot;model&quot;</translation>
    </message>
    <message>
        <source>its model has no whole-number &quot;code&quot;</source>
        <translation>seu modelo não tem um &quot;code&quot; inteiro</translation>
    </message>
    <message>
        <source>its model code %1 is not a model this tool knows</source>
        <extracomment>%1 is the model code the file holds.</extracomment>
        <translation>seu código de modelo %1 não é um modelo que esta ferramenta conheça</translation>
    </message>
    <message>
        <source>it has no &quot;settings&quot; object</source>
        <translation>não tem o objeto &quot;settings&quot;</translation>
    </message>
    <message>
        <source>the setting %1 is missing</source>
        <extracomment>%1 is the setting&apos;s key in quotes.</extracomment>
        <translation>a configuração %1 está faltando</translation>
    </message>
    <message>
        <source>the model code %1 is not one the tool knows by name, so no settings file can hold it</source>
        <translation>o código de modelo %1 não é um que a ferramenta conheça pelo nome, então nenhum arquivo de configurações pode contê-lo</translation>
    </message>
    <message>
        <source>no choice is selected for %1</source>
        <extracomment>%1 lists the captions of the settings, &quot;BRAKE, TIMING MODE&quot;.</extracomment>
        <translation>nenhuma opção selecionada para %1</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>%1 is the file&apos;s size in bytes.</extracomment>
        <translation>é maior que 64 KiB (%1 bytes), grande demais para um arquivo de configurações</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>não é texto JSON</translation>
    </message>
    <message>
        <source>%1 shows an entry that stands for no code of this model: %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1 mostra uma opção que não corresponde a nenhum código deste modelo: %2</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1: o ESC informou o código %2</translation>
    </message>
    <message>
        <source>the key %1 appears twice in one place</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>a chave %1 aparece duas vezes no mesmo lugar</translation>
    </message>
    <message>
        <source>it ends before its JSON text does (the file is cut short)</source>
        <translation>termina antes do fim do texto JSON (o arquivo está truncado)</translation>
    </message>
    <message>
        <source>it is not JSON text (error at %1)</source>
        <extracomment>%1 is a place in the file, &quot;line 3, column 14&quot;.</extracomment>
        <translation>não é texto JSON (erro em %1)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>it nests values deeper than a settings file does</source>
        <translation>aninha valores mais fundo do que um arquivo de configurações faz</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>Não é possível usar o arquivo de configurações<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>As listas não foram alteradas.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir configurações</translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation>Ainda não há backups. Cada CONECTAR que lê as configurações de um ESC as salva em<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation>Este arquivo contém as configurações de um %1; o ESC conectado é um %2. As configurações que ele não oferece mantêm sua opção.</translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation>Verifique se há erros de digitação no arquivo: %1.</translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation>As listas já mostram as configurações deste arquivo.</translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation>O ESC conectado não oferece:</translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation>Estas configurações vão mudar:</translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation>Depois, pressione PROGRAMAR para gravá-las no ESC.</translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation>Estas configurações do arquivo não são oferecidas pelo %1 conectado e mantêm sua opção:</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Nada foi salvo: %1.</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>Salvar configurações como</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation>O arquivo<byte value="xd"/>%1<byte value="xd"/>já existe. Substituí-lo?</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>Não foi possível salvar as configurações em<byte value="xd"/>%1<byte value="xd"/>(%2). Escolha outro local.</translation>
    </message>
</context>
<context>
    <name>StationProgramming</name>
    <message>
        <source>Refused: this is a %1, the settings are for a %2. Nothing was written.</source>
        <translation>Recusado: este é um %1, as configurações são para um %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Not programmed: its settings could not be backed up (%1).</source>
        <translation>Não programado: não foi possível fazer backup das configurações (%1).</translation>
    </message>
    <message>
        <source>no backup folder</source>
        <translation>nenhuma pasta de backup</translation>
    </message>
    <message>
        <source>Refused: %1. Nothing was written.</source>
        <translation>Recusado: %1. Nada foi gravado.</translation>
    </message>
    <message>
        <source>The ESC rejected %1: %2 (command %3 of %4).</source>
        <translation>O ESC rejeitou %1: %2 (comando %3 de %4).</translation>
    </message>
    <message>
        <source>No answer to %1: %2 (command %3 of %4).</source>
        <translation>Sem resposta a %1: %2 (comando %3 de %4).</translation>
    </message>
    <message>
        <source>Cut short.</source>
        <translation>Interrompido.</translation>
    </message>
    <message>
        <source>The read-back differs in %1.</source>
        <translation>A releitura difere em %1.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the folder cannot be created</source>
        <extracomment>Why backups cannot be saved, shown in parentheses after the backup folder&apos;s name.</extracomment>
        <translation>a pasta não pode ser criada</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>não existe</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is its size in bytes.</extracomment>
        <translation>é maior que 64 KiB (%1 bytes), grande demais para um arquivo de configurações</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is the system&apos;s reason.</extracomment>
        <translation>não pode ser lido (%1)</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Nada foi comparado: nenhuma opção selecionada para %1.</translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation>O ESC contém as configurações mostradas.</translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation>O ESC aceitou todos os comandos, mas a releitura das configurações mostra diferenças:</translation>
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
        <translation>FREIO</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>BATERIA</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation>CORTE V/CÉL</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation>MODO AUTOCORTE</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>INÍCIO SUAVE</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>MODO TIMING</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>FREQUÊNCIA</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>INVERTER MOTOR</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>CTRL. RPM</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>ATRASO ACELERAÇÃO</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>Porta COM</translation>
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
        <translation>PADRÃO</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FECHAR</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation>Abrir configurações...</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Salvar configurações como...</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>Restaurar backup...</translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation>Comparar com o ESC</translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation>Verificar após PROGRAMAR</translation>
    </message>
    <message>
        <source>Program several ESCs...</source>
        <translation>Programar vários ESCs...</translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation>%1 - &quot;%2&quot; será aberto após CONECTAR</translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>Nada foi enviado: nenhuma opção selecionada para %1.</translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation>ESC Quorl programado</translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation>%1 funciona depois que CONECTAR tiver lido as configurações de um ESC: conecte o ESC primeiro.</translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation>Interface PC de ESC Orvantis</translation>
    </message>
</context>
<context>
    <name>orvesc::SeveralEscsDialog</name>
    <message>
        <source>Program several ESCs</source>
        <translation>Programar vários ESCs</translation>
    </message>
    <message>
        <source>The settings the lists show</source>
        <translation>As configurações mostradas nas listas</translation>
    </message>
    <message>
        <source>A settings file:</source>
        <translation>Um arquivo de configurações:</translation>
    </message>
    <message>
        <source>The model&apos;s factory settings</source>
        <translation>As configurações de fábrica do modelo</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>Arquivo de configurações</translation>
    </message>
    <message>
        <source>Settings (*.orvesc.json *.json)</source>
        <translation>Configurações (*.orvesc.json *.json)</translation>
    </message>
    <message>
        <source>Choose the settings and the port, then press Start.</source>
        <translation>Escolha as configurações e a porta e pressione Iniciar.</translation>
    </message>
    <message>
        <source>Passed: %1  Failed: %2</source>
        <translation>Aprovados: %1  Reprovados: %2</translation>
    </message>
    <message>
        <source>Name a settings file.</source>
        <translation>Indique um arquivo de configurações.</translation>
    </message>
    <message>
        <source>Writes the settings of %1.</source>
        <translation>Grava as configurações de %1.</translation>
    </message>
    <message>
        <source>Writes the settings the lists show, for the %1.</source>
        <translation>Grava as configurações mostradas nas listas, para o %1.</translation>
    </message>
    <message>
        <source>Writes the factory settings of the %1.</source>
        <translation>Grava as configurações de fábrica do %1.</translation>
    </message>
    <message>
        <source>Name a settings file, or choose other settings.</source>
        <translation>Indique um arquivo de configurações ou escolha outras configurações.</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>Writes the settings of %1, for the %2.</source>
        <translation>Grava as configurações de %1, para o %2.</translation>
    </message>
    <message>
        <source>These settings cannot be written: %1.</source>
        <translation>Estas configurações não podem ser gravadas: %1.</translation>
    </message>
    <message>
        <source>No port is listed: plug in the PC interface cable.</source>
        <translation>Nenhuma porta listada: conecte o cabo de interface PC.</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>A execução parou.</translation>
    </message>
    <message>
        <source>Unplug the ESC.</source>
        <translation>Desconecte o ESC.</translation>
    </message>
    <message>
        <source>Another ESC is on the cable.</source>
        <translation>Outro ESC está no cabo.</translation>
    </message>
    <message>
        <source>Plug in the next ESC.</source>
        <translation>Conecte o próximo ESC.</translation>
    </message>
    <message>
        <source>Plug in an ESC.</source>
        <translation>Conecte um ESC.</translation>
    </message>
    <message>
        <source>Run ended: %1 passed, %2 failed.</source>
        <translation>Execução encerrada: %1 aprovados, %2 reprovados.</translation>
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
        <translation>Parando assim que este ESC terminar.</translation>
    </message>
    <message>
        <source>Stopping.</source>
        <translation>Parando.</translation>
    </message>
</context>
<context>
    <name>orvesc::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name (OrvESC).</extracomment>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Orvantis ESC PC interface</source>
        <extracomment>Orvantis is a maker&apos;s name; ESC: electronic speed controller.</extracomment>
        <translation>Interface PC de ESC Orvantis</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number (1.3.1): keep the three parts together as they are.</extracomment>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>This software will enable programming of a Orvantis ESC when used in conjunction with a Orvantis PC Interface Cable and a PC.
For news and updates visit www.orvantis.example</source>
        <extracomment>Orvantis is a maker&apos;s name; the web address stays as it is.</extracomment>
        <translation>Este software permite programar um ESC Orvantis quando usado em conjunto com um cabo de interface PC Orvantis e um PC.
Para notícias e atualizações, visite www.orvantis.example</translation>
    </message>
    <message>
        <source>Warning: this software is provided as is, without warranty of any kind. Orvantis accepts no liability for any damage, injury or loss arising from its use, including from settings written to a speed controller. Remove the propeller before programming.</source>
        <translation>Aviso: este software é fornecido no estado em que se encontra, sem garantia de qualquer tipo. A Orvantis não se responsabiliza por quaisquer danos, lesões ou perdas decorrentes de seu uso, inclusive de configurações gravadas em um controlador de velocidade. Remova a hélice antes de programar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button that starts the system&apos;s information program; &amp; marks its access key.</extracomment>
        <translation>&amp;Informações do sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
</TS>
