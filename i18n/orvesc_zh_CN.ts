<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Caption</name>
    <message>
        <source>BRAKE</source>
        <translation>刹车</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>电池</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <extracomment>The battery voltage per cell at which the ESC cuts the motor.</extracomment>
        <translation>截止电压/节</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <extracomment>What the ESC does when the battery reaches the cutoff voltage.</extracomment>
        <translation>低压保护模式</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>软启动</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>进角模式</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>电机反转</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>定速控制</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>加速延迟</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <extracomment>The caption above a setting list: the motor&apos;s switching frequency. Short and upper case, like the others.</extracomment>
        <translation>频率</translation>
    </message>
    <message>
        <source>WARN VOLTAGE</source>
        <extracomment>The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.</extracomment>
        <translation>警告电压</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 found</source>
        <extracomment>%1 is the ESC&apos;s model name.</extracomment>
        <translation>已找到 %1</translation>
    </message>
    <message>
        <source>%1 gets no COM number: all numbers are taken.</source>
        <extracomment>%1 is a device path given with --port.</extracomment>
        <translation>%1 无法获得 COM 编号：所有编号均已被占用。</translation>
    </message>
    <message>
        <source>set it to 1 in Device Manager: the port&apos;s Properties, Port Settings, Advanced, Latency Timer (msec)</source>
        <translation>请在设备管理器中将其设为 1：端口的“属性”→“端口设置”→“高级”→“延迟计时器(毫秒)”</translation>
    </message>
    <message>
        <source>the package&apos;s udev rule sets it to 1 when the adapter is plugged in, or: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <extracomment>%1 is the adapter&apos;s device name in sysfs.</extracomment>
        <translation>软件包的 udev 规则会在插入适配器时将其设为 1，或执行：echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2</source>
        <extracomment>%1 the adapter&apos;s latency timer in milliseconds, %2 how to lower it.</extracomment>
        <translation>延迟计时器为 %1 ms：每个回复都要在适配器中最多等待 %1 ms；%2</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>未列出任何串口：请插入 PC 接口线。</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C while programming: the ESC may hold part of the new settings; run the command again on this port.</source>
        <translation>写入时被 Ctrl+C 中断：电调可能只保存了部分新设置；请在此端口上重新运行该命令。</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C.</source>
        <translation>已被 Ctrl+C 中断。</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <extracomment>A port&apos;s failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.</extracomment>
        <translation>%1：错误 %2：%3</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port.</source>
        <translation>唯一列出的端口上没有电调应答。</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port; none on %1.</source>
        <translation>唯一列出的端口上没有电调应答；无应答：%1。</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port.</source>
        <extracomment>%1 names the ports where no ESC answered.</extracomment>
        <translation>
            <numerusform>列出的 %n 个端口上均没有电调应答。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports.</source>
        <translation>
            <numerusform>列出的 %n 个端口上均没有电调应答。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port; none on %1.</source>
        <translation>
            <numerusform>列出的 %n 个端口上均没有电调应答；无应答：%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports; none on %1.</source>
        <translation>
            <numerusform>列出的 %n 个端口上均没有电调应答；无应答：%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2).</source>
        <extracomment>%1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>列出的 %n 个端口中有 %1 个有电调应答，预期为 %2 个 (--expect %2)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2).</source>
        <translation>
            <numerusform>列出的 %n 个端口中有 %1 个有电调应答，预期为 %2 个 (--expect %2)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>列出的 %n 个端口中有 %1 个有电调应答，预期为 %2 个 (--expect %2)；无应答：%3。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>列出的 %n 个端口中有 %1 个有电调应答，预期为 %2 个 (--expect %2)；无应答：%3。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port.</source>
        <extracomment>%1 ESCs answered; %2 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>列出的 %n 个端口中有 %1 个有电调应答。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports.</source>
        <translation>
            <numerusform>列出的 %n 个端口中有 %1 个有电调应答。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port; none on %2.</source>
        <translation>
            <numerusform>列出的 %n 个端口中有 %1 个有电调应答；无应答：%2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports; none on %2.</source>
        <translation>
            <numerusform>列出的 %n 个端口中有 %1 个有电调应答；无应答：%2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Not searched: %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>未搜索：%1</translation>
    </message>
    <message>
        <source>Check the cable&apos;s connector orientation at each ESC and that it is powered.</source>
        <translation>请检查每个电调处连接线插头的方向，以及电调是否已通电。</translation>
    </message>
    <message>
        <source>orvesc-cli: error %1: %2</source>
        <translation>orvesc-cli：错误 %1：%2</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable.</source>
        <translation>未列出任何串口：请插入 PC 接口线。</translation>
    </message>
    <message>
        <source>No listed port can be opened. %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>列出的端口均无法打开。%1</translation>
    </message>
    <message>
        <source>%1 Not searched: %2</source>
        <extracomment>%1 says that no ESC answered, %2 names the ports not opened, with the reason.</extracomment>
        <translation>%1 未搜索：%2</translation>
    </message>
    <message>
        <source>Reading the settings failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>读取设置失败：%1</translation>
    </message>
    <message>
        <source>No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends).</source>
        <translation>尚未列出任何串口：请插入 PC 接口线（按 Ctrl+C 结束）。</translation>
    </message>
    <message>
        <source>settings of the %1 read: no settings document can hold them (%2), so the JSON holds the codes the ESC reported</source>
        <extracomment>%1 is the model&apos;s name, %2 why no settings document can hold what it reported.</extracomment>
        <translation>已读取 %1 的设置：没有设置文档能保存它们（%2），因此 JSON 中保存的是电调报告的代码</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be written.</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>no settings file can hold these settings: %1.</source>
        <translation>没有设置文件能保存这些设置：%1。</translation>
    </message>
    <message>
        <source>settings of the %1 read and saved in %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>已读取 %1 的设置并保存到 %2</translation>
    </message>
    <message>
        <source>settings of the %1 read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>已读取 %1 的设置</translation>
    </message>
    <message>
        <source>%1: %2 (model code %3)
</source>
        <extracomment>A heading of the settings table: %1 the port, %2 the model&apos;s name, %3 its model code.</extracomment>
        <translation>%1：%2（型号代码 %3）
</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot; is not KEY=ENTRY (for example --set brake=on).</source>
        <translation>--set &quot;%1&quot; 不是 KEY=ENTRY 格式（例如 --set brake=on）。</translation>
    </message>
    <message>
        <source>--set: &quot;%1&quot; is not a setting. Settings: %2.</source>
        <extracomment>%1 as typed, %2 the setting keys.</extracomment>
        <translation>--set：&quot;%1&quot; 不是设置项。设置项：%2。</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not an entry of %3. Entries: %4.</source>
        <extracomment>%1 the key as typed, %2 the entry as typed, %3 the setting&apos;s caption, %4 its entries.</extracomment>
        <translation>--set %1：&quot;%2&quot; 不是 %3 的选项。选项：%4。</translation>
    </message>
    <message>
        <source>--set %1: the %2 has no %3 setting. Its settings: %4.</source>
        <extracomment>%1 the key as typed, %2 the model&apos;s name, %3 the setting&apos;s caption, %4 the model&apos;s setting keys.</extracomment>
        <translation>--set %1：%2 没有 %3 设置。其设置项：%4。</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>%1 无法使用：%2。</translation>
    </message>
    <message>
        <source>The settings by their key for --set and settings files, with their caption; the entries each model offers (* marks the factory setting); what they do.</source>
        <translation>各设置项：用于 --set 和设置文件的键名及其标题；各型号提供的选项（* 表示出厂设置）；以及它们的作用。</translation>
    </message>
    <message>
        <source>every model, battery Ni</source>
        <extracomment>Stands before a setting&apos;s entries where every model offers them, in place of the models&apos; names.</extracomment>
        <translation>所有型号，电池 Ni</translation>
    </message>
    <message>
        <source>every model</source>
        <translation>所有型号</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable, then start the station again.</source>
        <translation>未列出任何串口：请插入 PC 接口线，然后重新启动工作站。</translation>
    </message>
    <message>
        <source>--station works on one cable, and %1 ports are listed: %2. Name the cable&apos;s with --port, e.g. --port %3; nothing was sent.</source>
        <extracomment>%1 the number of ports (always several), %2 the ports, %3 the first of them.</extracomment>
        <translation>--station 只能用于一条连接线，而当前列出了 %1 个端口：%2。请用 --port 指定该连接线的端口，例如 --port %3；未发送任何内容。</translation>
    </message>
    <message>
        <source>Station: on %1, the only port listed.</source>
        <extracomment>%1 is the port and its device.</extracomment>
        <translation>工作站：使用 %1，这是唯一列出的端口。</translation>
    </message>
    <message>
        <source>%1 %2  %3  %4  (passed %5, failed %6)%7
</source>
        <extracomment>A station&apos;s result line: %1 PASS or FAIL, %2 the ESC&apos;s number in the run, %3 its model, %4 the port; %5 and %6 the counts so far, %7 nothing or &quot;: error N: what went wrong&quot;.</extracomment>
        <translation>%1 %2  %3  %4  （通过 %5，失败 %6）%7
</translation>
    </message>
    <message>
        <source>: error %1: %2</source>
        <translation>：错误 %1：%2</translation>
    </message>
    <message>
        <source>Station: the record of this run goes to %1</source>
        <extracomment>%1 is the record file.</extracomment>
        <translation>工作站：本次运行的记录写入 %1</translation>
    </message>
    <message>
        <source>Station: finishing the ESC being programmed; Ctrl+C again ends at once.</source>
        <translation>工作站：正在完成当前电调的写入；再次按 Ctrl+C 立即结束。</translation>
    </message>
    <message>
        <source>Station: %1: cut short by Ctrl+C while programming: the ESC may hold part of the new settings; program it again.</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>工作站：%1：写入时被 Ctrl+C 中断：电调可能只保存了部分新设置；请重新写入。</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 The station stops.</source>
        <extracomment>%1 says why the record could not be written.</extracomment>
        <translation>orvesc-cli：%1 工作站停止。</translation>
    </message>
    <message>
        <source>Station: unplug the ESC.</source>
        <translation>工作站：请拔下电调。</translation>
    </message>
    <message>
        <source>Station: another ESC is on the cable.</source>
        <translation>工作站：连接线上是另一个电调。</translation>
    </message>
    <message>
        <source>Station: plug in the next ESC.</source>
        <translation>工作站：请插入下一个电调。</translation>
    </message>
    <message>
        <source>Station: plug in an ESC; Ctrl+C ends.</source>
        <translation>工作站：请插入电调；按 Ctrl+C 结束。</translation>
    </message>
    <message>
        <source>Station ended: %1 passed, %2 failed
</source>
        <translation>工作站结束：通过 %1 个，失败 %2 个
</translation>
    </message>
    <message>
        <source>The trace file %1 cannot be written: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>无法写入跟踪文件 %1：%2。</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, it was programmed with %4
</source>
        <extracomment>%1 the port, %2 the setting&apos;s caption, %3 the entry the ESC reports, %4 the entry programmed.</extracomment>
        <translation>%1：%2：电调中为 %3，写入的是 %4
</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, the file has %4
</source>
        <translation>%1：%2：电调中为 %3，文件中为 %4
</translation>
    </message>
    <message>
        <source>the settings before the write are kept in %1</source>
        <extracomment>%1 is the backup file.</extracomment>
        <translation>写入前的设置已保存在 %1</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Add --allow-other-model to compare what fits.</source>
        <extracomment>%1 and %3 are model names, %2 and %4 their model codes.</extracomment>
        <translation>该文件保存的是 %1（型号代码 %2）的设置，但电调是 %3（型号代码 %4）。添加 --allow-other-model 可比较适用的部分。</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Nothing was sent; add --allow-other-model to use what fits.</source>
        <translation>该文件保存的是 %1（型号代码 %2）的设置，但电调是 %3（型号代码 %4）。未发送任何内容；添加 --allow-other-model 可使用适用的部分。</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>已拒绝：%1</translation>
    </message>
    <message>
        <source>Refused, nothing was sent: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>已拒绝，未发送任何内容：%1</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it was not compared</source>
        <extracomment>%1 is the model&apos;s name, %2 the file&apos;s settings it lacks (&quot;CAPTION: entry&quot;, comma-separated).</extracomment>
        <translation>%1 不提供 %2；未对其进行比较</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they were not compared</source>
        <translation>%1 不提供 %2；未对它们进行比较</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it keeps its value</source>
        <translation>%1 不提供 %2；保持原值</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they keep their value</source>
        <translation>%1 不提供 %2；它们保持原值</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <extracomment>%1 says why the file cannot be used.</extracomment>
        <translation>%1 未发送任何内容。</translation>
    </message>
    <message>
        <source>the %1 holds the settings of %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>%1 中的设置与 %2 一致</translation>
    </message>
    <message numerus="yes">
        <source>%n setting differs from %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>
            <numerusform>有 %n 项设置与 %1 不同</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ from %1</source>
        <translation>
            <numerusform>有 %n 项设置与 %1 不同</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found, settings read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>已找到 %1，已读取设置</translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n setting would change), nothing sent</source>
        <extracomment>%1 the number of command bytes, %2 the model&apos;s name; %n settings would change.</extracomment>
        <translation>
            <numerusform>试运行：已打印发往 %2 的 %1 个命令字节（将更改 %n 项设置），未发送任何内容</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n settings would change), nothing sent</source>
        <translation>
            <numerusform>试运行：已打印发往 %2 的 %1 个命令字节（将更改 %n 项设置），未发送任何内容</numerusform>
        </translation>
    </message>
    <message>
        <source>Command %1 of %2 (%3) failed: %4</source>
        <extracomment>%1 the command&apos;s number, %2 how many there are, %3 its byte, %4 what went wrong.</extracomment>
        <translation>第 %1 条命令（共 %2 条，%3）失败：%4</translation>
    </message>
    <message>
        <source>The run was cut short.</source>
        <translation>运行被中断。</translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>完成：%1 已写入（未校验），更改了 %n 项设置</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n settings changed</source>
        <translation>
            <numerusform>完成：%1 已写入（未校验），更改了 %n 项设置</numerusform>
        </translation>
    </message>
    <message>
        <source>Programmed, but the read-back failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>已写入，但回读失败：%1</translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n setting</source>
        <translation>
            <numerusform>回读结果有 %n 项设置不一致</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n settings</source>
        <translation>
            <numerusform>回读结果有 %n 项设置不一致</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>完成：%1 已写入并校验，更改了 %n 项设置</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n settings changed</source>
        <translation>
            <numerusform>完成：%1 已写入并校验，更改了 %n 项设置</numerusform>
        </translation>
    </message>
    <message>
        <source>(changes)</source>
        <translation>（更改）</translation>
    </message>
    <message>
        <source>(the ESC has %1)</source>
        <extracomment>%1 is the entry the ESC has now.</extracomment>
        <translation>（电调中为 %1）</translation>
    </message>
    <message>
        <source>the settings before the write cannot be backed up (%1); note the codes the ESC reported: %2</source>
        <extracomment>%1 says why, %2 lists the codes.</extracomment>
        <translation>无法备份写入前的设置（%1）；请记下电调报告的代码：%2</translation>
    </message>
    <message>
        <source>%1 (command %2 of %3, %4)</source>
        <extracomment>Names a command of a programming run: %1 the setting&apos;s caption and entry, %2 its number, %3 how many there are, %4 its byte.</extracomment>
        <translation>%1（第 %2 条命令，共 %3 条，%4）</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the ones after it were not programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer, %3 the echo it should have sent.</extracomment>
        <translation>电调对 %1 的应答是 %2，而不是回显 %3；无法确定是否已保存，其后的设置未写入。</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed.</source>
        <translation>电调对 %1 的应答是 %2，而不是回显 %3；无法确定是否已保存，其前的设置已写入。</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed, the ones after it were not.</source>
        <translation>电调对 %1 的应答是 %2，而不是回显 %3；无法确定是否已保存，其前的设置已写入，其后的设置未写入。</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer.</extracomment>
        <translation>电调拒绝了 %1：应答为 %2 而不是 0x01；未写入任何设置。</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed.</source>
        <translation>电调拒绝了 %1：应答为 %2 而不是 0x01；其前的设置已写入。</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed, the ones after it were not.</source>
        <translation>电调拒绝了 %1：应答为 %2 而不是 0x01；其前的设置已写入，其后的设置未写入。</translation>
    </message>
    <message>
        <source>orvesc-cli: %1
Try &apos;%2&apos;.
</source>
        <extracomment>%1 says what is wrong, %2 is the help command to run.</extracomment>
        <translation>orvesc-cli：%1
请尝试运行 &apos;%2&apos;。
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: did you mean %2?</source>
        <translation>未知命令 &quot;%1&quot;：您是指 %2 吗？</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: the commands are %2.</source>
        <translation>未知命令 &quot;%1&quot;：可用命令为 %2。</translation>
    </message>
    <message>
        <source>unknown option %1%2.</source>
        <translation>未知选项 %1%2。</translation>
    </message>
    <message>
        <source>unknown option %1%2: did you mean --%3?</source>
        <translation>未知选项 %1%2：您是指 --%3 吗？</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>意外的参数 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 不适用于 %2。</translation>
    </message>
    <message>
        <source>%1 applies only to %2.</source>
        <translation>%1 仅适用于 %2。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: give a COM number (COM3 or 3, 1 to 255) or a device path such as /dev/ttyUSB0.</source>
        <translation>&quot;%1&quot; 不是端口：请指定 COM 编号（COM3 或 3，1 至 255）或设备路径，例如 /dev/ttyUSB0。</translation>
    </message>
    <message>
        <source>--expect takes the number of ESCs that must answer, such as --expect 4; &quot;%1&quot; is none.</source>
        <translation>--expect 需要指定必须应答的电调数量，例如 --expect 4；&quot;%1&quot; 不是数字。</translation>
    </message>
    <message>
        <source>--expect counts the ESCs that --all finds: add --all.</source>
        <translation>--expect 统计的是 --all 找到的电调：请添加 --all。</translation>
    </message>
    <message>
        <source>give either --port or --all, not both.</source>
        <translation>请指定 --port 或 --all，不能同时指定两者。</translation>
    </message>
    <message>
        <source>verify needs a settings file: orvesc-cli verify FILE.</source>
        <translation>verify 需要一个设置文件：orvesc-cli verify FILE。</translation>
    </message>
    <message>
        <source>write needs a settings file, --set KEY=ENTRY, or both: nothing to write.</source>
        <translation>write 需要一个设置文件、--set KEY=ENTRY 或两者兼有：没有可写入的内容。</translation>
    </message>
    <message>
        <source>-o writes one ESC&apos;s settings: give one --port, or use --json.</source>
        <translation>-o 只写出一个电调的设置：请只指定一个 --port，或使用 --json。</translation>
    </message>
    <message>
        <source>--station works on one cable: give at most one --port, and no --all.</source>
        <translation>--station 只能用于一条连接线：请最多指定一个 --port，且不要使用 --all。</translation>
    </message>
    <message>
        <source>--record keeps the record of a station&apos;s run: add --station.</source>
        <translation>--record 用于保存工作站运行的记录：请添加 --station。</translation>
    </message>
    <message>
        <source>--station programs every ESC it meets: drop --dry-run.</source>
        <translation>--station 会写入接入的每个电调：请去掉 --dry-run。</translation>
    </message>
    <message>
        <source>--dry-run sends nothing, so there is nothing to verify: drop --no-verify.</source>
        <translation>--dry-run 不发送任何内容，因此没有可校验的内容：请去掉 --no-verify。</translation>
    </message>
    <message>
        <source>(linked as %1)</source>
        <extracomment>%1 is the file the port is linked as.</extracomment>
        <translation>（链接为 %1）</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 Nothing was sent.</source>
        <extracomment>%1 says why the record cannot be written.</extracomment>
        <translation>orvesc-cli：%1 未发送任何内容。</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation>保存诊断信息...</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>延迟计时器 %1 ms</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation>%1 %2 诊断信息，写于 %3</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1（编译版本 %2）</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>系统：%1，内核 %2 %3，%4</translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation>端口（COM%1 至 COM%2）：</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  无</translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation>通信记录（%1 个事件，已丢弃 %2 个较早的事件；自启动以来的秒数）：</translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>无法将诊断信息写入 %1：%2。请选择其他文件夹并重新保存。</translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation>保存诊断信息</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>OFF</source>
        <extracomment>A drop-down entry: keep it as short. The setting is off.</extracomment>
        <translation>关</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>A drop-down entry: keep it as short. The setting is on.</extracomment>
        <translation>开</translation>
    </message>
    <message>
        <source>SOFT</source>
        <extracomment>A drop-down entry: keep it as short. A soft brake or a soft timing.</extracomment>
        <translation>软</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>A drop-down entry: keep it as short. A hard timing.</extracomment>
        <translation>硬</translation>
    </message>
    <message>
        <source>AUTO</source>
        <extracomment>A drop-down entry: keep it as short. The ESC picks the timing itself.</extracomment>
        <translation>自动</translation>
    </message>
    <message>
        <source>STOP MOTOR</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the motor stops.</extracomment>
        <translation>停止电机</translation>
    </message>
    <message>
        <source>REDUCE POWER</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the power is reduced.</extracomment>
        <translation>降低功率</translation>
    </message>
    <message>
        <source>NO CUT</source>
        <extracomment>A drop-down entry: keep it as short. The motor is never cut at low voltage.</extracomment>
        <translation>不切断</translation>
    </message>
    <message>
        <source>ON RANGE 1</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, first speed range.</extracomment>
        <translation>开 区间1</translation>
    </message>
    <message>
        <source>ON RANGE 2</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, second speed range.</extracomment>
        <translation>开 区间2</translation>
    </message>
    <message>
        <source>ON RANGE 3</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, third speed range.</extracomment>
        <translation>开 区间3</translation>
    </message>
    <message>
        <source>GASMODE</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, in its gas mode.</extracomment>
        <translation>油机模式</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.</extracomment>
        <translation>等级1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.</extracomment>
        <translation>等级2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.</extracomment>
        <translation>等级3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.</extracomment>
        <translation>等级4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.</extracomment>
        <translation>等级5</translation>
    </message>
    <message>
        <source>LEVEL6</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.</extracomment>
        <translation>等级6</translation>
    </message>
    <message>
        <source>LEVEL7</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.</extracomment>
        <translation>等级7</translation>
    </message>
    <message>
        <source>LEVEL8</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.</extracomment>
        <translation>等级8</translation>
    </message>
    <message>
        <source>LEVEL9</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.</extracomment>
        <translation>等级9</translation>
    </message>
    <message>
        <source>LEVEL10</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.</extracomment>
        <translation>等级10</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>A drop-down entry: keep it as short. The model has no acceleration delay setting.</extracomment>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Ni</source>
        <extracomment>A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside &quot;2S Li&quot; and the like.</extracomment>
        <translation>Ni</translation>
    </message>
    <message>
        <source>(no choice)</source>
        <extracomment>What a list names when none of its entries is chosen.</extracomment>
        <translation>（未选择）</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM control off.</source>
        <translation>油门回到空档时电调对电机的处理：“关”让电机自由转动，“开”和“软”对其刹车。刹车与定速控制互斥：选择刹车会关闭定速控制。</translation>
    </message>
    <message>
        <source>The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li to 12S Li). Changing it resets the cutoff voltage, so choose the battery first.</source>
        <translation>电调所用的电池：Ni 表示镍电池，或锂电池的节数（2S Li 至 12S Li）。更改电池会重置截止电压，因此请先选择电池。</translation>
    </message>
    <message>
        <source>The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. The lowest voltage counts as a hard cut, with which RPM control cannot be on.</source>
        <translation>电池电量低时电调采取动作的单节电压，动作方式由低压保护模式决定。最低电压视为硬切断，此时不能开启定速控制。</translation>
    </message>
    <message>
        <source>What the ESC does when the battery falls to the cutoff voltage. RPM control needs a cutoff: NO CUT switches it off.</source>
        <translation>电池电压降至截止电压时电调的动作。定速控制需要低压保护：“不切断”会关闭定速控制。</translation>
    </message>
    <message>
        <source>Starts the motor gently rather than at full power at once. RPM control needs soft start: OFF switches RPM control off, and turning RPM control on switches soft start on.</source>
        <translation>让电机平缓启动，而不是立即全功率启动。定速控制需要软启动：选“关”会关闭定速控制，开启定速控制会同时开启软启动。</translation>
    </message>
    <message>
        <source>The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer fixed angles. Which timing suits a motor, see the motor&apos;s or the ESC&apos;s manual.</source>
        <translation>电机进角：“自动”由电调自行决定；10 节和 12 节型号还提供固定角度。哪种进角适合电机，请参阅电机或电调的说明书。</translation>
    </message>
    <message>
        <source>The frequency at which the ESC switches the motor&apos;s power. Which suits a motor, see the ESC&apos;s manual. The W models have a warn voltage in its place.</source>
        <translation>电调开关电机功率的频率。哪种频率适合电机，请参阅电调说明书。W 型号在此处为警告电压。</translation>
    </message>
    <message>
        <source>Offered by the W models in place of the frequency. What the ESC warns of at this voltage, and how, see the ESC&apos;s manual.</source>
        <translation>W 型号提供此项以代替频率。电调在该电压下警告什么以及如何警告，请参阅电调说明书。</translation>
    </message>
    <message>
        <source>ON makes the motor turn the other way round.</source>
        <translation>“开”使电机反向旋转。</translation>
    </message>
    <message>
        <source>Keeps the motor&apos;s speed under the ESC&apos;s control, in one of its ranges (see the ESC&apos;s manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to REDUCE POWER.</source>
        <translation>由电调将电机转速控制在其某个区间内（见电调说明书）。它不能与刹车、关闭软启动、“不切断”或最低截止电压同时使用：开启它会关闭刹车、开启软启动，并将“停止电机”改为“降低功率”。</translation>
    </message>
    <message>
        <source>How quickly the motor may follow the throttle, in ten levels; what each level means, see the ESC&apos;s manual. Only the R9 models for 10 and 12 cells have it.</source>
        <translation>电机跟随油门的快慢，分十级；各级的含义请参阅电调说明书。只有 10 节和 12 节的 R9 型号有此设置。</translation>
    </message>
    <message>
        <source>A softer brake than ON; how soft, see the ESC&apos;s manual. It counts as a brake: RPM control is switched off.</source>
        <translation>比“开”更柔和的刹车；柔和程度请参阅电调说明书。它同样算作刹车：定速控制会被关闭。</translation>
    </message>
    <message>
        <source>Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per cell.</source>
        <translation>镍电池：截止电压列表随后提供镍电池电压，每节 0.6 V 至 0.9 V。</translation>
    </message>
    <message>
        <source>The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE POWER.</source>
        <translation>电机在截止电压时停止。开启定速控制会将其改为“降低功率”。</translation>
    </message>
    <message>
        <source>The ESC reduces the motor&apos;s power at the cutoff voltage instead of stopping it.</source>
        <translation>电调在截止电压时降低电机功率，而不是停止电机。</translation>
    </message>
    <message>
        <source>No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control is switched off.</source>
        <translation>不切断：无论电池电压降到多低，电调都继续驱动电机。定速控制会被关闭。</translation>
    </message>
    <message>
        <source>A fixed soft timing; its angle, see the ESC&apos;s manual.</source>
        <translation>固定的软进角；角度请参阅电调说明书。</translation>
    </message>
    <message>
        <source>A fixed hard timing; its angle, see the ESC&apos;s manual.</source>
        <translation>固定的硬进角；角度请参阅电调说明书。</translation>
    </message>
    <message>
        <source>The ESC chooses the timing itself.</source>
        <translation>由电调自行选择进角。</translation>
    </message>
    <message>
        <source>Offered by the R9 models besides the ranges; it counts as RPM control on. What it does, see the ESC&apos;s manual.</source>
        <translation>R9 型号在各区间之外还提供此项；它算作开启定速控制。其作用请参阅电调说明书。</translation>
    </message>
    <message>
        <source>This model has no acceleration delay.</source>
        <translation>此型号没有加速延迟。</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>These ports could not be opened, so no ESC was looked for there:</source>
        <extracomment>Followed by one line per port saying why it could not be opened.</extracomment>
        <translation>以下端口无法打开，因此未在其上查找电调：</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and press CONNECT.</source>
        <extracomment>COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0). CONNECT is a button: use its translated name.</extracomment>
        <translation>电调的端口 COM%1 (%2) 已消失：请重新插入连接线并按“连接”。</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and run the command again.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>电调的端口 COM%1 (%2) 已消失：请重新插入连接线并再次运行该命令。</translation>
    </message>
    <message>
        <source>The setting code %1 cannot be sent: a command is one byte, 0 to 255. Nothing was sent to the ESC.</source>
        <extracomment>%1 is the number that was to be sent.</extracomment>
        <translation>无法发送设置代码 %1：每条命令为一个字节，取值 0 至 255。未向电调发送任何内容。</translation>
    </message>
    <message>
        <source>Orvantis Controller Not Found!<byte value="xd"/><byte value="xd"/>• Check the PC Cable Adapter&apos;s connector orientation at your ESC<byte value="xd"/><byte value="xd"/>• Check Windows Device Manager to insure that device drivers for<byte value="xd"/>  your USB Adapter cable are properly loaded, and that a Serial Port<byte value="xd"/>  has been created by the USB adapter</source>
        <extracomment>A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a maker&apos;s name; Device Manager is the name of the Windows program.</extracomment>
        <translation>未找到 Orvantis 控制器！<byte value="xd"/><byte value="xd"/>• 请检查 PC 连接线适配器在电调上的插头方向<byte value="xd"/><byte value="xd"/>• 请在 Windows 设备管理器中确认 USB 适配器线的<byte value="xd"/>  设备驱动已正确加载，并且 USB 适配器<byte value="xd"/>  已创建串口</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>通信错误</translation>
    </message>
    <message>
        <source>No COM port is selected: the port list is empty, or the selected entry has no port number (only the first ten listed ports can be used).</source>
        <extracomment>COM port: a serial port as the port list names it (COM1, COM2...).</extracomment>
        <translation>未选择 COM 端口：端口列表为空，或所选条目没有端口号（只能使用列出的前十个端口）。</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>未列出任何串口：请插入 PC 接口线。</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports. Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>%n is the number of ports searched, always 2 or more.</extracomment>
        <translation>
            <numerusform>列出的 %n 个端口上均没有电调应答。请检查电调处连接线插头的方向，以及电调是否已通电。</numerusform>
        </translation>
    </message>
    <message>
        <source>No ESC answered on COM%1 (%2). Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>COM%1 (%2) 上没有电调应答。请检查电调处连接线插头的方向，以及电调是否已通电。</translation>
    </message>
    <message>
        <source>the reply began with 0x00.</source>
        <extracomment>The command line&apos;s reason why a read failed, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>回复以 0x00 开头。</translation>
    </message>
    <message>
        <source>the run was cut short.</source>
        <extracomment>The command line&apos;s reason why a run ended, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>运行被中断。</translation>
    </message>
    <message>
        <source>Backups are off until OrvESC is started again: the settings cannot be saved in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have backups.</source>
        <extracomment>A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>在重新启动 OrvESC 之前备份已关闭：设置无法保存到<byte value="xd"/>%1<byte value="xd"/>（%2）。“连接”、“写入”和“默认值”照常工作；请将该文件夹设为可写以启用备份。</translation>
    </message>
    <message>
        <source>backups are off for this run: the settings cannot be saved in %1 (%2); the write goes on. Make the folder writable to have backups.</source>
        <extracomment>A command-line note after the port&apos;s name and a colon, so it starts lower case. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;).</extracomment>
        <translation>本次运行不进行备份：设置无法保存到 %1（%2）；写入继续进行。请将该文件夹设为可写以启用备份。</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>RPM Control Disabled with Brake</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>有刹车时定速控制被禁用</translation>
    </message>
    <message>
        <source>RPM Control Disabled with Hard Cut LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>低压硬切断时定速控制被禁用</translation>
    </message>
    <message>
        <source>RPM Control Disabled without SoftStart</source>
        <extracomment>A message box after the user changed a setting.</extracomment>
        <translation>无软启动时定速控制被禁用</translation>
    </message>
    <message>
        <source>RPM Control Disabled without LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>无低压保护时定速控制被禁用</translation>
    </message>
    <message>
        <source>Brake Disabled  / Softstart enabled with RPM Control</source>
        <extracomment>A message box after the user changed a setting: two corrections made at once.</extracomment>
        <translation>因定速控制：已禁用刹车 / 已启用软启动</translation>
    </message>
    <message>
        <source>The ESC reported settings that this tool cannot show (their lists are left empty):</source>
        <extracomment>The first line of a message box; one line per setting follows.</extracomment>
        <translation>电调报告了本工具无法显示的设置（其列表留空）：</translation>
    </message>
    <message>
        <source>No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.</source>
        <extracomment>The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>没有备份能保存这些代码：请在“写入”或“默认值”覆盖它们之前记下来。</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation>OrvESC 设置 (*.orvesc.json);;JSON 文件 (*.json);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>No record file is named: name one.</source>
        <translation>未指定记录文件：请指定一个。</translation>
    </message>
    <message>
        <source>The record file %1 is a folder: name a file.</source>
        <translation>记录文件 %1 是文件夹：请指定一个文件。</translation>
    </message>
    <message>
        <source>The record file %1 cannot be read: %2.</source>
        <translation>无法读取记录文件 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is not a record of OrvESC&apos;s runs (its first line differs): name another file.</source>
        <translation>%1 不是 OrvESC 的运行记录（首行不同）：请指定其他文件。</translation>
    </message>
    <message>
        <source>The record file %1 cannot be written: %2.</source>
        <translation>无法写入记录文件 %1：%2。</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>process %1</source>
        <extracomment>A program holding a serial port, known only by its process number %1.</extracomment>
        <translation>进程 %1</translation>
    </message>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a serial port: %1 its name, %2 its process number.</extracomment>
        <translation>%1，进程 %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the programs of a list in parentheses: &quot;(minicom, process 12; process 14)&quot;.</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the names of two system services, or of a list of them and one more: &quot;ModemManager and gpsd&quot;.</extracomment>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 is running and may hold it. Stop it with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 a system service&apos;s name, %3 its unit; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 正被其他程序占用；%2 正在运行，可能占用了它。请用以下命令停止它：sudo systemctl stop %3，然后重试。</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 are running and may hold it. Stop them with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 the names of two or more system services, %3 their units; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 正被其他程序占用；%2 正在运行，可能占用了它。请用以下命令停止它们：sudo systemctl stop %3，然后重试。</translation>
    </message>
    <message>
        <source>There is no %1: no serial port or USB adapter has that number. Check that the adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM12).</extracomment>
        <translation>不存在 %1：没有串口或 USB 适配器使用该编号。请检查适配器是否已插入。</translation>
    </message>
    <message>
        <source>%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.</source>
        <extracomment>%1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.</extracomment>
        <translation>%1 不是本工具可用的端口号：编号范围为 COM%2 至 COM%3。</translation>
    </message>
    <message>
        <source>%1 is open: the port number can only change while the port is closed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 已打开：只能在端口关闭时更改端口号。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting the serial port can take (it should read like 19200,N,8,1).</source>
        <extracomment>%1 is the text given; &quot;19200,N,8,1&quot; is a setting as the port takes it and stays as it is.</extracomment>
        <translation>&quot;%1&quot; 不是该串口可接受的线路设置（应类似 19200,N,8,1）。</translation>
    </message>
    <message>
        <source>%1 is not a read length (0 reads everything waiting).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 不是有效的读取长度（0 表示读取所有等待的数据）。</translation>
    </message>
    <message>
        <source>%1 is not a read mode (0 text, 1 bytes).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 不是有效的读取模式（0 为文本，1 为字节）。</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1).</extracomment>
        <translation>%1 不接受线路设置 %2。</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2: %3.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system&apos;s reason.</extracomment>
        <translation>%1 不接受线路设置 %2：%3。</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 已打开。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist. Check that the USB adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>无法打开 %1：设备不存在。请检查 USB 适配器是否已插入。</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user. Ask the administrator of this computer for access to the device.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>当前用户无权打开 %1。请向本计算机的管理员申请该设备的访问权限。</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user: access is granted to the group &quot;%2&quot;. Join it with: sudo usermod -aG %2 $USER, then log in again.</source>
        <extracomment>%1 is a port name (COM3), %2 a user group&apos;s name (dialout); &quot;sudo usermod -aG %2 $USER&quot; is a command and stays as it is.</extracomment>
        <translation>当前用户无权打开 %1：访问权限授予了 &quot;%2&quot; 组。请用以下命令加入该组：sudo usermod -aG %2 $USER，然后重新登录。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this user may not write the port&apos;s lock file (in /var/lock or /tmp).</source>
        <extracomment>%1 is a port name (COM3); /var/lock and /tmp are folders.</extracomment>
        <translation>无法打开 %1：当前用户无法写入端口的锁文件（位于 /var/lock 或 /tmp）。</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 正被其他程序占用。请关闭该程序，或选择其他端口。</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2). Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3), %2 the programs holding it (&quot;minicom, process 12&quot;).</extracomment>
        <translation>%1 正被其他程序占用（%2）。请关闭该程序，或选择其他端口。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not a serial port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>无法打开 %1：它不是串口。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the system gave no reason.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>无法打开 %1：系统未给出原因。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: the USB adapter may have been unplugged.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>与 %1 的连接已断开：USB 适配器可能已被拔出。</translation>
    </message>
    <message>
        <source>%1 is not open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 未打开。</translation>
    </message>
    <message>
        <source>Sending to %1 failed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>向 %1 发送失败。</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>向 %1 发送失败：%2。</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>从 %1 读取失败：%2。</translation>
    </message>
    <message>
        <source>The ESC&apos;s port %1 is gone.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>电调的端口 %1 已消失。</translation>
    </message>
    <message>
        <source>%1 (linked as %2)</source>
        <extracomment>A port&apos;s tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).</extracomment>
        <translation>%1（链接为 %2）</translation>
    </message>
    <message>
        <source>The USB adapter %1 appeared and vanished again at once: brltty, a braille-display service, may be taking it. If you use no braille display, remove it with: sudo apt remove brltty, then plug the adapter in again.</source>
        <extracomment>%1 is the adapter&apos;s device (/dev/ttyUSB0); brltty is a program&apos;s name and &quot;sudo apt remove brltty&quot; a command: both stay as they are.</extracomment>
        <translation>USB 适配器 %1 出现后又立即消失：盲文显示器服务 brltty 可能占用了它。如果您不使用盲文显示器，请用以下命令将其卸载：sudo apt remove brltty，然后重新插入适配器。</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>the %1 has no %2 setting</source>
        <extracomment>%1 is the ESC&apos;s model, %2 a setting&apos;s caption (&quot;BRAKE&quot;).</extracomment>
        <translation>%1 没有 %2 设置</translation>
    </message>
    <message>
        <source>%1: the %2 has no entry &quot;%3&quot;. Its entries: %4</source>
        <extracomment>%1 is a setting&apos;s caption, %2 the ESC&apos;s model, %3 the entry asked for, %4 the list&apos;s entries.</extracomment>
        <translation>%1：%2 没有选项 &quot;%3&quot;。其选项：%4</translation>
    </message>
    <message>
        <source>the setting rules would change %1. Ask for a combination the rules allow</source>
        <extracomment>%1 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*, BRAKE: ON -&gt; OFF*&quot;.</extracomment>
        <translation>设置规则会更改 %1。请选择规则允许的组合</translation>
    </message>
    <message>
        <source>%1: the setting rules would change %2. Ask for a combination the rules allow</source>
        <extracomment>%1 quotes what the rules said, %2 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*&quot;.</extracomment>
        <translation>%1：设置规则会更改 %2。请选择规则允许的组合</translation>
    </message>
    <message>
        <source>model code %1</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>型号代码 %1</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2, for which the list has no entry; give one</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a code such as 0x9F.</extracomment>
        <translation>%1：电调报告的代码为 %2，列表中没有对应的选项；请指定一个选项</translation>
    </message>
</context>
<context>
    <name>SettingsCompare</name>
    <message>
        <source>code %1</source>
        <extracomment>A setting&apos;s value that no entry of the list stands for; %1 is the number.</extracomment>
        <translation>代码 %1</translation>
    </message>
    <message>
        <source>%1: the ESC has %2, the list shows %3</source>
        <extracomment>%1 is a setting&apos;s caption, %2 what the ESC reported, %3 what the list shows (entries or codes).</extracomment>
        <translation>%1：电调中为 %2，列表显示 %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>unknown key %1 is ignored</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>未知键 %1 已忽略</translation>
    </message>
    <message>
        <source>unknown key %1 in &quot;model&quot; is ignored</source>
        <translation>&quot;model&quot; 中的未知键 %1 已忽略</translation>
    </message>
    <message>
        <source>unknown key %1 in the setting %2 is ignored</source>
        <extracomment>%1 is a JSON key in quotes, %2 the setting&apos;s key in quotes (&quot;brake&quot;).</extracomment>
        <translation>设置 %2 中的未知键 %1 已忽略</translation>
    </message>
    <message>
        <source>model (%1)</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>型号 (%1)</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 a number, %3 the setting&apos;s caption, %4 the model.</extracomment>
        <translation>设置 %1 的代码为 %2，不是 %4 的 %3 选项</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery</source>
        <extracomment>%5 is the battery&apos;s chemistry, Li or Ni.</extracomment>
        <translation>设置 %1 的代码为 %2，不是 %4 使用 %5 电池时的 %3 选项</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery</source>
        <extracomment>The cutoff kept for the battery family not in use; %5 is that family&apos;s chemistry, Li or Ni.</extracomment>
        <translation>设置 %1 的代码为 %2，不是 %4 用于 %5 电池的 %3 选项</translation>
    </message>
    <message>
        <source>the setting %1 is not an object with &quot;code&quot; and &quot;text&quot;</source>
        <extracomment>%1 is the setting&apos;s key in quotes; &quot;code&quot; and &quot;text&quot; are the file&apos;s keys.</extracomment>
        <translation>设置 %1 不是含有 &quot;code&quot; 和 &quot;text&quot; 的对象</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;code&quot;</source>
        <translation>设置 %1 没有 &quot;code&quot;</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, not a whole number from 0 to 255</source>
        <extracomment>%2 is the code as the file holds it.</extracomment>
        <translation>设置 %1 的代码为 %2，不是 0 到 255 之间的整数</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;text&quot;; its code %2 stands for %3</source>
        <extracomment>%2 is a number, %3 the list&apos;s entry in quotes.</extracomment>
        <translation>设置 %1 没有 &quot;text&quot;；其代码 %2 代表 %3</translation>
    </message>
    <message>
        <source>the setting %1 has text %2 but its code %3 stands for %4; correct the text or the code</source>
        <extracomment>%2 is the text the file holds, %3 a number, %4 the list&apos;s entry; both texts in quotes.</extracomment>
        <translation>设置 %1 的文本为 %2，但其代码 %3 代表 %4；请更正文本或代码</translation>
    </message>
    <message>
        <source>it holds the setting %1, which %2 does not have</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 the model.</extracomment>
        <translation>它包含设置 %1，而 %2 没有该设置</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its JSON text is no object)</source>
        <translation>它不是 OrvESC 设置文件（其 JSON 文本不是对象）</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (it has no &quot;format&quot;)</source>
        <translation>它不是 OrvESC 设置文件（没有 &quot;format&quot;）</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its format is %1, not %2)</source>
        <extracomment>%1 is the format the file names, %2 the one OrvESC writes, both in quotes.</extracomment>
        <translation>它不是 OrvESC 设置文件（其格式为 %1，而不是 %2）</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or not a whole number from 1 up</source>
        <translation>其 &quot;version&quot; 缺失或不是从 1 起的整数</translation>
    </message>
    <message>
        <source>it has format version %1, newer than the version %2 this OrvESC reads; open it with a newer OrvESC</source>
        <extracomment>%1 is the file&apos;s format version, %2 the newest this OrvESC reads.</extracomment>
        <translation>其格式版本为 %1，高于此 OrvESC 能读取的版本 %2；请用更新版本的 OrvESC 打开</translation>
    </message>
    <message>
        <source>it names no &quot;model&quot;</source>
        <translation>它未指定 &quot;model&quot;</translation>
    </message>
    <message>
        <source>its model has no whole-number &quot;code&quot;</source>
        <translation>其型号没有整数形式的 &quot;code&quot;</translation>
    </message>
    <message>
        <source>its model code %1 is not a model this tool knows</source>
        <extracomment>%1 is the model code the file holds.</extracomment>
        <translation>其型号代码 %1 不是本工具已知的型号</translation>
    </message>
    <message>
        <source>it has no &quot;settings&quot; object</source>
        <translation>它没有 &quot;settings&quot; 对象</translation>
    </message>
    <message>
        <source>the setting %1 is missing</source>
        <extracomment>%1 is the setting&apos;s key in quotes.</extracomment>
        <translation>缺少设置 %1</translation>
    </message>
    <message>
        <source>the model code %1 is not one the tool knows by name, so no settings file can hold it</source>
        <translation>型号代码 %1 不是本工具知道名称的型号，因此没有设置文件能保存它</translation>
    </message>
    <message>
        <source>no choice is selected for %1</source>
        <extracomment>%1 lists the captions of the settings, &quot;BRAKE, TIMING MODE&quot;.</extracomment>
        <translation>未为 %1 选择任何选项</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>%1 is the file&apos;s size in bytes.</extracomment>
        <translation>它大于 64 KiB（%1 字节），对设置文件来说太大了</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>它不是 JSON 文本</translation>
    </message>
    <message>
        <source>%1 shows an entry that stands for no code of this model: %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1 显示的选项不对应此型号的任何代码：%2</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1：电调报告的代码为 %2</translation>
    </message>
    <message>
        <source>the key %1 appears twice in one place</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>键 %1 在同一位置出现了两次</translation>
    </message>
    <message>
        <source>it ends before its JSON text does (the file is cut short)</source>
        <translation>文件在 JSON 文本结束之前就结束了（文件被截断）</translation>
    </message>
    <message>
        <source>it is not JSON text (error at %1)</source>
        <extracomment>%1 is a place in the file, &quot;line 3, column 14&quot;.</extracomment>
        <translation>它不是 JSON 文本（错误位于 %1）</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>it nests values deeper than a settings file does</source>
        <translation>其值的嵌套层级比设置文件应有的更深</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>无法使用设置文件<byte value="xd"/>%1<byte value="xd"/>%2。<byte value="xd"/>列表未更改。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>打开设置</translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation>尚无备份。每次“连接”读取电调设置时，都会将其保存到<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>恢复备份</translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation>此文件保存的是 %1 的设置，而连接的电调是 %2。电调不提供的设置保持原选项。</translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation>请检查文件中的拼写错误：%1。</translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation>列表已显示此文件的设置。</translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation>连接的电调不提供：</translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation>以下设置将会更改：</translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation>随后按“写入”将其写入电调。</translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation>文件中的以下设置，连接的 %1 不提供，将保持原选项：</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>未保存任何内容：%1。</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>设置另存为</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation>文件<byte value="xd"/>%1<byte value="xd"/>已存在。要替换吗？</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>无法将设置保存到<byte value="xd"/>%1<byte value="xd"/>（%2）。请选择其他位置。</translation>
    </message>
</context>
<context>
    <name>StationProgramming</name>
    <message>
        <source>Refused: this is a %1, the settings are for a %2. Nothing was written.</source>
        <translation>已拒绝：这是 %1，而设置适用于 %2。未写入任何内容。</translation>
    </message>
    <message>
        <source>Not programmed: its settings could not be backed up (%1).</source>
        <translation>未写入：无法备份其设置（%1）。</translation>
    </message>
    <message>
        <source>no backup folder</source>
        <translation>无备份文件夹</translation>
    </message>
    <message>
        <source>Refused: %1. Nothing was written.</source>
        <translation>已拒绝：%1。未写入任何内容。</translation>
    </message>
    <message>
        <source>The ESC rejected %1: %2 (command %3 of %4).</source>
        <translation>电调拒绝了 %1：%2（第 %3 条命令，共 %4 条）。</translation>
    </message>
    <message>
        <source>No answer to %1: %2 (command %3 of %4).</source>
        <translation>%1 无应答：%2（第 %3 条命令，共 %4 条）。</translation>
    </message>
    <message>
        <source>Cut short.</source>
        <translation>已中断。</translation>
    </message>
    <message>
        <source>The read-back differs in %1.</source>
        <translation>回读结果在 %1 上不一致。</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the folder cannot be created</source>
        <extracomment>Why backups cannot be saved, shown in parentheses after the backup folder&apos;s name.</extracomment>
        <translation>无法创建该文件夹</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>它不存在</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>它是文件夹，不是文件</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is its size in bytes.</extracomment>
        <translation>它大于 64 KiB（%1 字节），对设置文件来说太大了</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is the system&apos;s reason.</extracomment>
        <translation>无法读取它（%1）</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>未进行比较：未为 %1 选择任何选项。</translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation>电调中的设置与显示的一致。</translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation>电调接受了每条命令，但回读其设置时发现差异：</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>刹车</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>电池</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation>截止电压/节</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation>低压保护模式</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>软启动</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>进角模式</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>电机反转</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>定速控制</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>加速延迟</translation>
    </message>
    <message>
        <source>CUTOFF</source>
        <translation>截止电压</translation>
    </message>
    <message>
        <source>AUTOCUT</source>
        <translation>低压保护</translation>
    </message>
    <message>
        <source>TIMING</source>
        <translation>进角</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>电机</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM口</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>电调</translation>
    </message>
    <message>
        <source>ESC Detected</source>
        <translation>检测到电调</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>正在写入</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation>打开设置...</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>设置另存为...</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>恢复备份...</translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation>与电调比较</translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Program several ESCs...</source>
        <translation>批量写入电调...</translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation>%1 - &quot;%2&quot; 将在“连接”后打开</translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>未发送任何内容：未为 %1 选择任何选项。</translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation>Quorl 电调已写入</translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation>%1 需要先由“连接”读取电调设置后才能使用：请先连接电调。</translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation>Orvantis 电调 PC 接口</translation>
    </message>
</context>
<context>
    <name>orvesc::SeveralEscsDialog</name>
    <message>
        <source>Program several ESCs</source>
        <translation>批量写入电调</translation>
    </message>
    <message>
        <source>The settings the lists show</source>
        <translation>列表中显示的设置</translation>
    </message>
    <message>
        <source>A settings file:</source>
        <translation>设置文件：</translation>
    </message>
    <message>
        <source>The model&apos;s factory settings</source>
        <translation>该型号的出厂设置</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>记录：</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>设置文件</translation>
    </message>
    <message>
        <source>Settings (*.orvesc.json *.json)</source>
        <translation>设置 (*.orvesc.json *.json)</translation>
    </message>
    <message>
        <source>Choose the settings and the port, then press Start.</source>
        <translation>选择设置和端口，然后按“开始”。</translation>
    </message>
    <message>
        <source>Passed: %1  Failed: %2</source>
        <translation>通过：%1  失败：%2</translation>
    </message>
    <message>
        <source>Name a settings file.</source>
        <translation>请指定设置文件。</translation>
    </message>
    <message>
        <source>Writes the settings of %1.</source>
        <translation>写入 %1 中的设置。</translation>
    </message>
    <message>
        <source>Writes the settings the lists show, for the %1.</source>
        <translation>为 %1 写入列表中显示的设置。</translation>
    </message>
    <message>
        <source>Writes the factory settings of the %1.</source>
        <translation>写入 %1 的出厂设置。</translation>
    </message>
    <message>
        <source>Name a settings file, or choose other settings.</source>
        <translation>请指定设置文件，或选择其他设置。</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 无法使用：%2</translation>
    </message>
    <message>
        <source>Writes the settings of %1, for the %2.</source>
        <translation>为 %2 写入 %1 中的设置。</translation>
    </message>
    <message>
        <source>These settings cannot be written: %1.</source>
        <translation>无法写入这些设置：%1。</translation>
    </message>
    <message>
        <source>No port is listed: plug in the PC interface cable.</source>
        <translation>未列出任何端口：请插入 PC 接口线。</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>运行已停止。</translation>
    </message>
    <message>
        <source>Unplug the ESC.</source>
        <translation>请拔下电调。</translation>
    </message>
    <message>
        <source>Another ESC is on the cable.</source>
        <translation>连接线上是另一个电调。</translation>
    </message>
    <message>
        <source>Plug in the next ESC.</source>
        <translation>请插入下一个电调。</translation>
    </message>
    <message>
        <source>Plug in an ESC.</source>
        <translation>请插入电调。</translation>
    </message>
    <message>
        <source>Run ended: %1 passed, %2 failed.</source>
        <translation>运行结束：通过 %1 个，失败 %2 个。</translation>
    </message>
    <message>
        <source>%1  %2  %3  PASS</source>
        <translation>%1  %2  %3  PASS</translation>
    </message>
    <message>
        <source>%1  %2  %3  FAIL: %4</source>
        <translation>%1  %2  %3  FAIL：%4</translation>
    </message>
    <message>
        <source>Stopping once this ESC is done.</source>
        <translation>完成当前电调后停止。</translation>
    </message>
    <message>
        <source>Stopping.</source>
        <translation>正在停止。</translation>
    </message>
</context>
<context>
    <name>orvesc::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name (OrvESC).</extracomment>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Orvantis ESC PC interface</source>
        <extracomment>Orvantis is a maker&apos;s name; ESC: electronic speed controller.</extracomment>
        <translation>Orvantis 电调 PC 接口</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number (1.3.1): keep the three parts together as they are.</extracomment>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>This software will enable programming of a Orvantis ESC when used in conjunction with a Orvantis PC Interface Cable and a PC.
For news and updates visit www.orvantis.example</source>
        <extracomment>Orvantis is a maker&apos;s name; the web address stays as it is.</extracomment>
        <translation>本软件与 Orvantis PC 接口线及电脑配合使用，可对 Orvantis 电调进行编程。
新闻和更新请访问 www.orvantis.example</translation>
    </message>
    <message>
        <source>Warning: this software is provided as is, without warranty of any kind. Orvantis accepts no liability for any damage, injury or loss arising from its use, including from settings written to a speed controller. Remove the propeller before programming.</source>
        <translation>警告：本软件按“原样”提供，不附带任何形式的担保。对于因使用本软件（包括写入电调的设置）而造成的任何损坏、伤害或损失，Orvantis 概不负责。编程前请卸下螺旋桨。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button that starts the system&apos;s information program; &amp; marks its access key.</extracomment>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>系统信息当前不可用</translation>
    </message>
</context>
</TS>
