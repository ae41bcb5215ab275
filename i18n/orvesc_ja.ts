<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Caption</name>
    <message>
        <source>BRAKE</source>
        <translation>制動</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>電池</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <extracomment>The battery voltage per cell at which the ESC cuts the motor.</extracomment>
        <translation>切断電圧/セル</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <extracomment>What the ESC does when the battery reaches the cutoff voltage.</extracomment>
        <translation>自動切断モード</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>ソフト始動</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>進角モード</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>モーター逆転</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>回転数制御</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>加速遅延</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <extracomment>The caption above a setting list: the motor&apos;s switching frequency. Short and upper case, like the others.</extracomment>
        <translation>周波数</translation>
    </message>
    <message>
        <source>WARN VOLTAGE</source>
        <extracomment>The caption above a setting list: the voltage at which the ESC warns. Short and upper case, like the others.</extracomment>
        <translation>警告電圧</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 found</source>
        <extracomment>%1 is the ESC&apos;s model name.</extracomment>
        <translation>%1 を検出しました</translation>
    </message>
    <message>
        <source>%1 gets no COM number: all numbers are taken.</source>
        <extracomment>%1 is a device path given with --port.</extracomment>
        <translation>%1 に COM 番号を割り当てられません：すべての番号が使用中です。</translation>
    </message>
    <message>
        <source>set it to 1 in Device Manager: the port&apos;s Properties, Port Settings, Advanced, Latency Timer (msec)</source>
        <translation>デバイス マネージャーで 1 に設定してください：ポートの［プロパティ］→［ポートの設定］→［詳細設定］→［Latency Timer (msec)］</translation>
    </message>
    <message>
        <source>the package&apos;s udev rule sets it to 1 when the adapter is plugged in, or: echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</source>
        <extracomment>%1 is the adapter&apos;s device name in sysfs.</extracomment>
        <translation>パッケージの udev ルールがアダプター接続時に 1 に設定します。手動の場合：echo 1 | sudo tee /sys/bus/usb-serial/devices/%1/latency_timer</translation>
    </message>
    <message>
        <source>latency timer %1 ms: each reply waits up to %1 ms in the adapter; %2</source>
        <extracomment>%1 the adapter&apos;s latency timer in milliseconds, %2 how to lower it.</extracomment>
        <translation>レイテンシタイマー %1 ms：各応答はアダプター内で最大 %1 ms 待たされます。%2</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>シリアルポートが一覧にありません：PC インターフェースケーブルを接続してください。</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C while programming: the ESC may hold part of the new settings; run the command again on this port.</source>
        <translation>書き込み中に Ctrl+C で中断されました：ESC に新しい設定の一部だけが保存されている可能性があります。このポートでコマンドを再実行してください。</translation>
    </message>
    <message>
        <source>Cut short by Ctrl+C.</source>
        <translation>Ctrl+C で中断されました。</translation>
    </message>
    <message>
        <source>%1: error %2: %3</source>
        <extracomment>A port&apos;s failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.</extracomment>
        <translation>%1：エラー %2：%3</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port.</source>
        <translation>一覧にある唯一のポートで ESC が応答しませんでした。</translation>
    </message>
    <message>
        <source>No ESC answered on the one listed port; none on %1.</source>
        <translation>一覧にある唯一のポートで ESC が応答しませんでした。応答なし：%1。</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port.</source>
        <extracomment>%1 names the ports where no ESC answered.</extracomment>
        <translation>
            <numerusform>一覧にある %n 個のポートのいずれでも ESC が応答しませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports.</source>
        <translation>
            <numerusform>一覧にある %n 個のポートのいずれでも ESC が応答しませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed port; none on %1.</source>
        <translation>
            <numerusform>一覧にある %n 個のポートのいずれでも ESC が応答しませんでした。応答なし：%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports; none on %1.</source>
        <translation>
            <numerusform>一覧にある %n 個のポートのいずれでも ESC が応答しませんでした。応答なし：%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2).</source>
        <extracomment>%1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>一覧にある %n 個のポートのうち %1 個で ESC が応答しました。想定は %2 個です (--expect %2)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2).</source>
        <translation>
            <numerusform>一覧にある %n 個のポートのうち %1 個で ESC が応答しました。想定は %2 個です (--expect %2)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>一覧にある %n 個のポートのうち %1 個で ESC が応答しました。想定は %2 個です (--expect %2)。応答なし：%3。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3.</source>
        <translation>
            <numerusform>一覧にある %n 個のポートのうち %1 個で ESC が応答しました。想定は %2 個です (--expect %2)。応答なし：%3。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port.</source>
        <extracomment>%1 ESCs answered; %2 names the ports where none answered.</extracomment>
        <translation>
            <numerusform>一覧にある %n 個のポートのうち %1 個で ESC が応答しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports.</source>
        <translation>
            <numerusform>一覧にある %n 個のポートのうち %1 個で ESC が応答しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed port; none on %2.</source>
        <translation>
            <numerusform>一覧にある %n 個のポートのうち %1 個で ESC が応答しました。応答なし：%2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>An ESC answered on %1 of the %n listed ports; none on %2.</source>
        <translation>
            <numerusform>一覧にある %n 個のポートのうち %1 個で ESC が応答しました。応答なし：%2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Not searched: %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>未検索：%1</translation>
    </message>
    <message>
        <source>Check the cable&apos;s connector orientation at each ESC and that it is powered.</source>
        <translation>各 ESC 側のケーブルのコネクターの向きと、ESC に電源が入っていることを確認してください。</translation>
    </message>
    <message>
        <source>orvesc-cli: error %1: %2</source>
        <translation>orvesc-cli：エラー %1：%2</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable.</source>
        <translation>シリアルポートが一覧にありません：PC インターフェースケーブルを接続してください。</translation>
    </message>
    <message>
        <source>No listed port can be opened. %1</source>
        <extracomment>%1 names each port that could not be opened, with the reason.</extracomment>
        <translation>一覧のポートをどれも開けません。%1</translation>
    </message>
    <message>
        <source>%1 Not searched: %2</source>
        <extracomment>%1 says that no ESC answered, %2 names the ports not opened, with the reason.</extracomment>
        <translation>%1 未検索：%2</translation>
    </message>
    <message>
        <source>Reading the settings failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>設定の読み込みに失敗しました：%1</translation>
    </message>
    <message>
        <source>No serial port is listed yet: plug in the PC interface cable (Ctrl+C ends).</source>
        <translation>シリアルポートがまだ一覧にありません：PC インターフェースケーブルを接続してください (Ctrl+C で終了)。</translation>
    </message>
    <message>
        <source>settings of the %1 read: no settings document can hold them (%2), so the JSON holds the codes the ESC reported</source>
        <extracomment>%1 is the model&apos;s name, %2 why no settings document can hold what it reported.</extracomment>
        <translation>%1 の設定を読み込みました：どの設定ドキュメントにも保持できないため (%2)、JSON には ESC が報告したコードを保存しています</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be written.</extracomment>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>no settings file can hold these settings: %1.</source>
        <translation>これらの設定を保持できる設定ファイルはありません：%1。</translation>
    </message>
    <message>
        <source>settings of the %1 read and saved in %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>%1 の設定を読み込み、%2 に保存しました</translation>
    </message>
    <message>
        <source>settings of the %1 read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>%1 の設定を読み込みました</translation>
    </message>
    <message>
        <source>%1: %2 (model code %3)
</source>
        <extracomment>A heading of the settings table: %1 the port, %2 the model&apos;s name, %3 its model code.</extracomment>
        <translation>%1：%2 (機種コード %3)
</translation>
    </message>
    <message>
        <source>--set &quot;%1&quot; is not KEY=ENTRY (for example --set brake=on).</source>
        <translation>--set &quot;%1&quot; は KEY=ENTRY の形式ではありません (例：--set brake=on)。</translation>
    </message>
    <message>
        <source>--set: &quot;%1&quot; is not a setting. Settings: %2.</source>
        <extracomment>%1 as typed, %2 the setting keys.</extracomment>
        <translation>--set：&quot;%1&quot; は設定項目ではありません。設定項目：%2。</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not an entry of %3. Entries: %4.</source>
        <extracomment>%1 the key as typed, %2 the entry as typed, %3 the setting&apos;s caption, %4 its entries.</extracomment>
        <translation>--set %1：&quot;%2&quot; は %3 の選択肢ではありません。選択肢：%4。</translation>
    </message>
    <message>
        <source>--set %1: the %2 has no %3 setting. Its settings: %4.</source>
        <extracomment>%1 the key as typed, %2 the model&apos;s name, %3 the setting&apos;s caption, %4 the model&apos;s setting keys.</extracomment>
        <translation>--set %1：%2 には %3 の設定がありません。設定項目：%4。</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>%1 は使用できません：%2。</translation>
    </message>
    <message>
        <source>The settings by their key for --set and settings files, with their caption; the entries each model offers (* marks the factory setting); what they do.</source>
        <translation>--set と設定ファイルで使う各設定のキーとその見出し、各機種が提供する選択肢 (* は工場出荷時の設定)、およびその働き。</translation>
    </message>
    <message>
        <source>every model, battery Ni</source>
        <extracomment>Stands before a setting&apos;s entries where every model offers them, in place of the models&apos; names.</extracomment>
        <translation>全機種、電池 Ni</translation>
    </message>
    <message>
        <source>every model</source>
        <translation>全機種</translation>
    </message>
    <message>
        <source>no serial port is listed: plug in the PC interface cable, then start the station again.</source>
        <translation>シリアルポートが一覧にありません：PC インターフェースケーブルを接続してから、ステーションを再起動してください。</translation>
    </message>
    <message>
        <source>--station works on one cable, and %1 ports are listed: %2. Name the cable&apos;s with --port, e.g. --port %3; nothing was sent.</source>
        <extracomment>%1 the number of ports (always several), %2 the ports, %3 the first of them.</extracomment>
        <translation>--station は 1 本のケーブルで動作しますが、%1 個のポートが一覧にあります：%2。--port でケーブルのポートを指定してください (例：--port %3)。何も送信していません。</translation>
    </message>
    <message>
        <source>Station: on %1, the only port listed.</source>
        <extracomment>%1 is the port and its device.</extracomment>
        <translation>ステーション：一覧にある唯一のポート %1 を使用します。</translation>
    </message>
    <message>
        <source>%1 %2  %3  %4  (passed %5, failed %6)%7
</source>
        <extracomment>A station&apos;s result line: %1 PASS or FAIL, %2 the ESC&apos;s number in the run, %3 its model, %4 the port; %5 and %6 the counts so far, %7 nothing or &quot;: error N: what went wrong&quot;.</extracomment>
        <translation>%1 %2  %3  %4  (合格 %5、不合格 %6)%7
</translation>
    </message>
    <message>
        <source>: error %1: %2</source>
        <translation>：エラー %1：%2</translation>
    </message>
    <message>
        <source>Station: the record of this run goes to %1</source>
        <extracomment>%1 is the record file.</extracomment>
        <translation>ステーション：この実行の記録は %1 に書き込まれます</translation>
    </message>
    <message>
        <source>Station: finishing the ESC being programmed; Ctrl+C again ends at once.</source>
        <translation>ステーション：書き込み中の ESC を完了させています。もう一度 Ctrl+C を押すとすぐに終了します。</translation>
    </message>
    <message>
        <source>Station: %1: cut short by Ctrl+C while programming: the ESC may hold part of the new settings; program it again.</source>
        <extracomment>%1 is the port.</extracomment>
        <translation>ステーション：%1：書き込み中に Ctrl+C で中断されました：ESC に新しい設定の一部だけが保存されている可能性があります。もう一度書き込んでください。</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 The station stops.</source>
        <extracomment>%1 says why the record could not be written.</extracomment>
        <translation>orvesc-cli：%1 ステーションを停止します。</translation>
    </message>
    <message>
        <source>Station: unplug the ESC.</source>
        <translation>ステーション：ESC を外してください。</translation>
    </message>
    <message>
        <source>Station: another ESC is on the cable.</source>
        <translation>ステーション：ケーブルに別の ESC が接続されています。</translation>
    </message>
    <message>
        <source>Station: plug in the next ESC.</source>
        <translation>ステーション：次の ESC を接続してください。</translation>
    </message>
    <message>
        <source>Station: plug in an ESC; Ctrl+C ends.</source>
        <translation>ステーション：ESC を接続してください。Ctrl+C で終了します。</translation>
    </message>
    <message>
        <source>Station ended: %1 passed, %2 failed
</source>
        <translation>ステーション終了：合格 %1、不合格 %2
</translation>
    </message>
    <message>
        <source>The trace file %1 cannot be written: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>トレースファイル %1 に書き込めません：%2。</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, it was programmed with %4
</source>
        <extracomment>%1 the port, %2 the setting&apos;s caption, %3 the entry the ESC reports, %4 the entry programmed.</extracomment>
        <translation>%1：%2：ESC の値は %3、書き込んだ値は %4
</translation>
    </message>
    <message>
        <source>%1: %2: the ESC has %3, the file has %4
</source>
        <translation>%1：%2：ESC の値は %3、ファイルの値は %4
</translation>
    </message>
    <message>
        <source>the settings before the write are kept in %1</source>
        <extracomment>%1 is the backup file.</extracomment>
        <translation>書き込み前の設定を %1 に保存しました</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Add --allow-other-model to compare what fits.</source>
        <extracomment>%1 and %3 are model names, %2 and %4 their model codes.</extracomment>
        <translation>このファイルは %1 (機種コード %2) の設定ですが、ESC は %3 (機種コード %4) です。適合する項目を比較するには --allow-other-model を追加してください。</translation>
    </message>
    <message>
        <source>The file holds the settings of a %1 (model code %2), but the ESC is a %3 (model code %4). Nothing was sent; add --allow-other-model to use what fits.</source>
        <translation>このファイルは %1 (機種コード %2) の設定ですが、ESC は %3 (機種コード %4) です。何も送信していません。適合する項目を使うには --allow-other-model を追加してください。</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>拒否しました：%1</translation>
    </message>
    <message>
        <source>Refused, nothing was sent: %1</source>
        <extracomment>%1 says why.</extracomment>
        <translation>拒否しました。何も送信していません：%1</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it was not compared</source>
        <extracomment>%1 is the model&apos;s name, %2 the file&apos;s settings it lacks (&quot;CAPTION: entry&quot;, comma-separated).</extracomment>
        <translation>%1 は %2 に対応していないため、比較しませんでした</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they were not compared</source>
        <translation>%1 は %2 に対応していないため、これらは比較しませんでした</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; it keeps its value</source>
        <translation>%1 は %2 に対応していないため、現在の値のままです</translation>
    </message>
    <message>
        <source>the %1 does not offer %2; they keep their value</source>
        <translation>%1 は %2 に対応していないため、これらは現在の値のままです</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <extracomment>%1 says why the file cannot be used.</extracomment>
        <translation>%1 何も送信していません。</translation>
    </message>
    <message>
        <source>the %1 holds the settings of %2</source>
        <extracomment>%1 is the model&apos;s name, %2 the file.</extracomment>
        <translation>%1 の設定は %2 と一致しています</translation>
    </message>
    <message numerus="yes">
        <source>%n setting differs from %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>
            <numerusform>%n 個の設定が %1 と異なります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ from %1</source>
        <translation>
            <numerusform>%n 個の設定が %1 と異なります</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found, settings read</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>%1 を検出し、設定を読み込みました</translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n setting would change), nothing sent</source>
        <extracomment>%1 the number of command bytes, %2 the model&apos;s name; %n settings would change.</extracomment>
        <translation>
            <numerusform>ドライラン：%2 用のコマンド %1 バイトを表示しました (%n 個の設定が変更されます)。何も送信していません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>dry run: %1 command bytes for the %2 printed (%n settings would change), nothing sent</source>
        <translation>
            <numerusform>ドライラン：%2 用のコマンド %1 バイトを表示しました (%n 個の設定が変更されます)。何も送信していません</numerusform>
        </translation>
    </message>
    <message>
        <source>Command %1 of %2 (%3) failed: %4</source>
        <extracomment>%1 the command&apos;s number, %2 how many there are, %3 its byte, %4 what went wrong.</extracomment>
        <translation>コマンド %1/%2 (%3) が失敗しました：%4</translation>
    </message>
    <message>
        <source>The run was cut short.</source>
        <translation>実行が中断されました。</translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>完了：%1 に書き込みました (未検証)。%n 個の設定を変更しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed (not verified), %n settings changed</source>
        <translation>
            <numerusform>完了：%1 に書き込みました (未検証)。%n 個の設定を変更しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Programmed, but the read-back failed: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>書き込みましたが、読み戻しに失敗しました：%1</translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n setting</source>
        <translation>
            <numerusform>読み戻した値が %n 個の設定で異なります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The read-back differs in %n settings</source>
        <translation>
            <numerusform>読み戻した値が %n 個の設定で異なります</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n setting changed</source>
        <extracomment>%1 is the model&apos;s name.</extracomment>
        <translation>
            <numerusform>完了：%1 に書き込み、検証しました。%n 個の設定を変更しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>done: %1 programmed and verified, %n settings changed</source>
        <translation>
            <numerusform>完了：%1 に書き込み、検証しました。%n 個の設定を変更しました</numerusform>
        </translation>
    </message>
    <message>
        <source>(changes)</source>
        <translation>(変更)</translation>
    </message>
    <message>
        <source>(the ESC has %1)</source>
        <extracomment>%1 is the entry the ESC has now.</extracomment>
        <translation>(ESC の値は %1)</translation>
    </message>
    <message>
        <source>the settings before the write cannot be backed up (%1); note the codes the ESC reported: %2</source>
        <extracomment>%1 says why, %2 lists the codes.</extracomment>
        <translation>書き込み前の設定をバックアップできません (%1)。ESC が報告したコードを控えてください：%2</translation>
    </message>
    <message>
        <source>%1 (command %2 of %3, %4)</source>
        <extracomment>Names a command of a programming run: %1 the setting&apos;s caption and entry, %2 its number, %3 how many there are, %4 its byte.</extracomment>
        <translation>%1 (コマンド %2/%3、%4)</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the ones after it were not programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer, %3 the echo it should have sent.</extracomment>
        <translation>ESC は %1 に対してエコー %3 ではなく %2 を返しました。保存されたかどうかは不明で、それ以降の設定は書き込まれていません。</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed.</source>
        <translation>ESC は %1 に対してエコー %3 ではなく %2 を返しました。保存されたかどうかは不明で、それより前の設定は書き込まれています。</translation>
    </message>
    <message>
        <source>The ESC answered %1 with %2 instead of its echo %3; whether it stored it is not known, the settings before it were programmed, the ones after it were not.</source>
        <translation>ESC は %1 に対してエコー %3 ではなく %2 を返しました。保存されたかどうかは不明です。それより前の設定は書き込まれ、それ以降の設定は書き込まれていません。</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; nothing was programmed.</source>
        <extracomment>%1 names the command, %2 the ESC&apos;s answer.</extracomment>
        <translation>ESC は %1 を拒否しました：0x01 ではなく %2 を返しました。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed.</source>
        <translation>ESC は %1 を拒否しました：0x01 ではなく %2 を返しました。それより前の設定は書き込まれています。</translation>
    </message>
    <message>
        <source>The ESC rejected %1: it answered %2 instead of 0x01; the settings before it were programmed, the ones after it were not.</source>
        <translation>ESC は %1 を拒否しました：0x01 ではなく %2 を返しました。それより前の設定は書き込まれ、それ以降の設定は書き込まれていません。</translation>
    </message>
    <message>
        <source>orvesc-cli: %1
Try &apos;%2&apos;.
</source>
        <extracomment>%1 says what is wrong, %2 is the help command to run.</extracomment>
        <translation>orvesc-cli：%1
&apos;%2&apos; を実行してみてください。
</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: did you mean %2?</source>
        <translation>不明なコマンド &quot;%1&quot;：%2 のことですか？</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;: the commands are %2.</source>
        <translation>不明なコマンド &quot;%1&quot;：コマンドは %2 です。</translation>
    </message>
    <message>
        <source>unknown option %1%2.</source>
        <translation>不明なオプション %1%2。</translation>
    </message>
    <message>
        <source>unknown option %1%2: did you mean --%3?</source>
        <translation>不明なオプション %1%2：--%3 のことですか？</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>予期しない引数 &quot;%1&quot;。</translation>
    </message>
    <message>
        <source>%1 does not apply to %2.</source>
        <translation>%1 は %2 には適用されません。</translation>
    </message>
    <message>
        <source>%1 applies only to %2.</source>
        <translation>%1 は %2 にのみ適用されます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port: give a COM number (COM3 or 3, 1 to 255) or a device path such as /dev/ttyUSB0.</source>
        <translation>&quot;%1&quot; はポートではありません：COM 番号 (COM3 または 3、1～255) か、/dev/ttyUSB0 などのデバイスパスを指定してください。</translation>
    </message>
    <message>
        <source>--expect takes the number of ESCs that must answer, such as --expect 4; &quot;%1&quot; is none.</source>
        <translation>--expect には応答すべき ESC の数を指定します (例：--expect 4)。&quot;%1&quot; は数ではありません。</translation>
    </message>
    <message>
        <source>--expect counts the ESCs that --all finds: add --all.</source>
        <translation>--expect は --all で見つかった ESC を数えます：--all を追加してください。</translation>
    </message>
    <message>
        <source>give either --port or --all, not both.</source>
        <translation>--port と --all はどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>verify needs a settings file: orvesc-cli verify FILE.</source>
        <translation>verify には設定ファイルが必要です：orvesc-cli verify FILE。</translation>
    </message>
    <message>
        <source>write needs a settings file, --set KEY=ENTRY, or both: nothing to write.</source>
        <translation>write には設定ファイル、--set KEY=ENTRY、またはその両方が必要です：書き込むものがありません。</translation>
    </message>
    <message>
        <source>-o writes one ESC&apos;s settings: give one --port, or use --json.</source>
        <translation>-o は 1 台の ESC の設定を書き出します：--port を 1 つだけ指定するか、--json を使用してください。</translation>
    </message>
    <message>
        <source>--station works on one cable: give at most one --port, and no --all.</source>
        <translation>--station は 1 本のケーブルで動作します：--port は 1 つまでとし、--all は指定しないでください。</translation>
    </message>
    <message>
        <source>--record keeps the record of a station&apos;s run: add --station.</source>
        <translation>--record はステーションの実行記録を残します：--station を追加してください。</translation>
    </message>
    <message>
        <source>--station programs every ESC it meets: drop --dry-run.</source>
        <translation>--station は接続されたすべての ESC に書き込みます：--dry-run を外してください。</translation>
    </message>
    <message>
        <source>--dry-run sends nothing, so there is nothing to verify: drop --no-verify.</source>
        <translation>--dry-run は何も送信しないため、検証するものがありません：--no-verify を外してください。</translation>
    </message>
    <message>
        <source>(linked as %1)</source>
        <extracomment>%1 is the file the port is linked as.</extracomment>
        <translation>(リンク名 %1)</translation>
    </message>
    <message>
        <source>orvesc-cli: %1 Nothing was sent.</source>
        <extracomment>%1 says why the record cannot be written.</extracomment>
        <translation>orvesc-cli：%1 何も送信していません。</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation>診断情報を保存...</translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation>レイテンシタイマー %1 ms</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>シリアル番号 %1</translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation>%1 %2 診断情報、作成日時 %3</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (ビルド時 %2)</translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation>システム：%1、カーネル %2 %3、%4</translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation>ポート (COM%1～COM%2)：</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  なし</translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation>通信 (イベント %1 件、古い %2 件は破棄済み。起動からの秒数)：</translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>診断情報を %1 に書き込めませんでした：%2。別のフォルダーを選んで保存し直してください。</translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation>診断情報を保存</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>OFF</source>
        <extracomment>A drop-down entry: keep it as short. The setting is off.</extracomment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>ON</source>
        <extracomment>A drop-down entry: keep it as short. The setting is on.</extracomment>
        <translation>オン</translation>
    </message>
    <message>
        <source>SOFT</source>
        <extracomment>A drop-down entry: keep it as short. A soft brake or a soft timing.</extracomment>
        <translation>弱</translation>
    </message>
    <message>
        <source>HARD</source>
        <extracomment>A drop-down entry: keep it as short. A hard timing.</extracomment>
        <translation>強</translation>
    </message>
    <message>
        <source>AUTO</source>
        <extracomment>A drop-down entry: keep it as short. The ESC picks the timing itself.</extracomment>
        <translation>自動</translation>
    </message>
    <message>
        <source>STOP MOTOR</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the motor stops.</extracomment>
        <translation>モーター停止</translation>
    </message>
    <message>
        <source>REDUCE POWER</source>
        <extracomment>A drop-down entry: keep it as short. At the cutoff voltage the power is reduced.</extracomment>
        <translation>出力低減</translation>
    </message>
    <message>
        <source>NO CUT</source>
        <extracomment>A drop-down entry: keep it as short. The motor is never cut at low voltage.</extracomment>
        <translation>切断なし</translation>
    </message>
    <message>
        <source>ON RANGE 1</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, first speed range.</extracomment>
        <translation>オン範囲1</translation>
    </message>
    <message>
        <source>ON RANGE 2</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, second speed range.</extracomment>
        <translation>オン範囲2</translation>
    </message>
    <message>
        <source>ON RANGE 3</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, third speed range.</extracomment>
        <translation>オン範囲3</translation>
    </message>
    <message>
        <source>GASMODE</source>
        <extracomment>A drop-down entry: keep it as short. RPM control on, in its gas mode.</extracomment>
        <translation>ガス</translation>
    </message>
    <message>
        <source>LEVEL1</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 1 of 10.</extracomment>
        <translation>段階1</translation>
    </message>
    <message>
        <source>LEVEL2</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 2 of 10.</extracomment>
        <translation>段階2</translation>
    </message>
    <message>
        <source>LEVEL3</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 3 of 10.</extracomment>
        <translation>段階3</translation>
    </message>
    <message>
        <source>LEVEL4</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 4 of 10.</extracomment>
        <translation>段階4</translation>
    </message>
    <message>
        <source>LEVEL5</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 5 of 10.</extracomment>
        <translation>段階5</translation>
    </message>
    <message>
        <source>LEVEL6</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 6 of 10.</extracomment>
        <translation>段階6</translation>
    </message>
    <message>
        <source>LEVEL7</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 7 of 10.</extracomment>
        <translation>段階7</translation>
    </message>
    <message>
        <source>LEVEL8</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 8 of 10.</extracomment>
        <translation>段階8</translation>
    </message>
    <message>
        <source>LEVEL9</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 9 of 10.</extracomment>
        <translation>段階9</translation>
    </message>
    <message>
        <source>LEVEL10</source>
        <extracomment>A drop-down entry: keep it as short. Acceleration delay, level 10 of 10.</extracomment>
        <translation>段階10</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>A drop-down entry: keep it as short. The model has no acceleration delay setting.</extracomment>
        <translation>無効</translation>
    </message>
    <message>
        <source>Ni</source>
        <extracomment>A drop-down entry: keep it as short. Nickel batteries (NiCd, NiMH), beside &quot;2S Li&quot; and the like.</extracomment>
        <translation>Ni</translation>
    </message>
    <message>
        <source>(no choice)</source>
        <extracomment>What a list names when none of its entries is chosen.</extracomment>
        <translation>(未選択)</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>What the ESC does to the motor when the throttle is closed: OFF lets it run free, ON and SOFT brake it. A brake and RPM control exclude each other: choosing a brake switches RPM control off.</source>
        <translation>スロットルを戻したときの ESC のモーター制御：「オフ」は惰性で回転させ、「オン」と「弱」はブレーキをかけます。ブレーキと回転数制御は両立しません：ブレーキを選ぶと回転数制御がオフになります。</translation>
    </message>
    <message>
        <source>The battery the ESC runs on: Ni for nickel cells, or the number of lithium cells (2S Li to 12S Li). Changing it resets the cutoff voltage, so choose the battery first.</source>
        <translation>ESC に使う電池：ニッケル電池なら Ni、リチウム電池ならセル数 (2S Li～12S Li)。変更すると切断電圧がリセットされるので、先に電池を選んでください。</translation>
    </message>
    <message>
        <source>The voltage per cell at which the ESC acts on a low battery, as the cutoff action says. The lowest voltage counts as a hard cut, with which RPM control cannot be on.</source>
        <translation>電池の電圧低下時に ESC が動作するセルあたりの電圧で、動作内容は自動切断モードで決まります。最低の電圧はハードカットとみなされ、その場合は回転数制御をオンにできません。</translation>
    </message>
    <message>
        <source>What the ESC does when the battery falls to the cutoff voltage. RPM control needs a cutoff: NO CUT switches it off.</source>
        <translation>電池が切断電圧まで下がったときの ESC の動作。回転数制御には切断が必要です：「切断なし」にすると回転数制御がオフになります。</translation>
    </message>
    <message>
        <source>Starts the motor gently rather than at full power at once. RPM control needs soft start: OFF switches RPM control off, and turning RPM control on switches soft start on.</source>
        <translation>いきなり全出力ではなく、モーターを穏やかに始動させます。回転数制御にはソフト始動が必要です：「オフ」にすると回転数制御がオフになり、回転数制御をオンにするとソフト始動がオンになります。</translation>
    </message>
    <message>
        <source>The motor timing: AUTO leaves it to the ESC; the models for 10 and 12 cells also offer fixed angles. Which timing suits a motor, see the motor&apos;s or the ESC&apos;s manual.</source>
        <translation>モーターの進角：「自動」は ESC に任せます。10 セル用と 12 セル用の機種では固定の角度も選べます。モーターに合う進角は、モーターまたは ESC の取扱説明書を参照してください。</translation>
    </message>
    <message>
        <source>The frequency at which the ESC switches the motor&apos;s power. Which suits a motor, see the ESC&apos;s manual. The W models have a warn voltage in its place.</source>
        <translation>ESC がモーターへの電力をスイッチングする周波数。モーターに合う値は ESC の取扱説明書を参照してください。W 機種ではこの代わりに警告電圧があります。</translation>
    </message>
    <message>
        <source>Offered by the W models in place of the frequency. What the ESC warns of at this voltage, and how, see the ESC&apos;s manual.</source>
        <translation>W 機種で周波数の代わりに提供されます。この電圧で ESC が何をどのように警告するかは、ESC の取扱説明書を参照してください。</translation>
    </message>
    <message>
        <source>ON makes the motor turn the other way round.</source>
        <translation>「オン」でモーターが逆方向に回転します。</translation>
    </message>
    <message>
        <source>Keeps the motor&apos;s speed under the ESC&apos;s control, in one of its ranges (see the ESC&apos;s manual). It cannot run with a brake, without soft start, with NO CUT or with the lowest cutoff voltage: turning it on switches the brake off, soft start on and STOP MOTOR to REDUCE POWER.</source>
        <translation>ESC がモーターの回転数を、いずれかの範囲内で一定に保ちます (ESC の取扱説明書を参照)。ブレーキ使用時、ソフト始動オフ時、「切断なし」や最低の切断電圧では使えません：オンにするとブレーキがオフ、ソフト始動がオンになり、「モーター停止」は「出力低減」に変わります。</translation>
    </message>
    <message>
        <source>How quickly the motor may follow the throttle, in ten levels; what each level means, see the ESC&apos;s manual. Only the R9 models for 10 and 12 cells have it.</source>
        <translation>スロットルにモーターが追従する速さで、10 段階あります。各段階の意味は ESC の取扱説明書を参照してください。10 セル用と 12 セル用の R9 機種にのみあります。</translation>
    </message>
    <message>
        <source>A softer brake than ON; how soft, see the ESC&apos;s manual. It counts as a brake: RPM control is switched off.</source>
        <translation>「オン」より弱いブレーキ。どの程度弱いかは ESC の取扱説明書を参照してください。ブレーキとみなされるため、回転数制御はオフになります。</translation>
    </message>
    <message>
        <source>Nickel cells: the cutoff list then offers the nickel voltages, 0.6 V to 0.9 V per cell.</source>
        <translation>ニッケル電池：切断電圧の一覧にはニッケル電池用の電圧 (セルあたり 0.6 V～0.9 V) が表示されます。</translation>
    </message>
    <message>
        <source>The motor stops at the cutoff voltage. Turning RPM control on changes this to REDUCE POWER.</source>
        <translation>切断電圧でモーターが停止します。回転数制御をオンにすると「出力低減」に変わります。</translation>
    </message>
    <message>
        <source>The ESC reduces the motor&apos;s power at the cutoff voltage instead of stopping it.</source>
        <translation>切断電圧で ESC はモーターを停止せず、出力を下げます。</translation>
    </message>
    <message>
        <source>No cutoff: the ESC keeps driving the motor however low the battery falls. RPM control is switched off.</source>
        <translation>切断なし：電池電圧がどれだけ下がっても ESC はモーターを駆動し続けます。回転数制御はオフになります。</translation>
    </message>
    <message>
        <source>A fixed soft timing; its angle, see the ESC&apos;s manual.</source>
        <translation>固定のソフト進角。角度は ESC の取扱説明書を参照してください。</translation>
    </message>
    <message>
        <source>A fixed hard timing; its angle, see the ESC&apos;s manual.</source>
        <translation>固定のハード進角。角度は ESC の取扱説明書を参照してください。</translation>
    </message>
    <message>
        <source>The ESC chooses the timing itself.</source>
        <translation>ESC が進角を自動で選びます。</translation>
    </message>
    <message>
        <source>Offered by the R9 models besides the ranges; it counts as RPM control on. What it does, see the ESC&apos;s manual.</source>
        <translation>R9 機種で各範囲に加えて提供されます。回転数制御オンとみなされます。動作は ESC の取扱説明書を参照してください。</translation>
    </message>
    <message>
        <source>This model has no acceleration delay.</source>
        <translation>この機種には加速遅延がありません。</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>These ports could not be opened, so no ESC was looked for there:</source>
        <extracomment>Followed by one line per port saying why it could not be opened.</extracomment>
        <translation>次のポートは開けなかったため、ESC を検索していません：</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and press CONNECT.</source>
        <extracomment>COM%1 is a port name and stays as it is; %2 is the device behind it (/dev/ttyUSB0). CONNECT is a button: use its translated name.</extracomment>
        <translation>ESC のポート COM%1 (%2) が見つかりません：ケーブルを接続し直して「接続」を押してください。</translation>
    </message>
    <message>
        <source>The ESC&apos;s port COM%1 (%2) is gone: plug the cable in again and run the command again.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>ESC のポート COM%1 (%2) が見つかりません：ケーブルを接続し直して、コマンドを再実行してください。</translation>
    </message>
    <message>
        <source>The setting code %1 cannot be sent: a command is one byte, 0 to 255. Nothing was sent to the ESC.</source>
        <extracomment>%1 is the number that was to be sent.</extracomment>
        <translation>設定コード %1 は送信できません：コマンドは 1 バイト (0～255) です。ESC には何も送信していません。</translation>
    </message>
    <message>
        <source>Orvantis Controller Not Found!<byte value="xd"/><byte value="xd"/>• Check the PC Cable Adapter&apos;s connector orientation at your ESC<byte value="xd"/><byte value="xd"/>• Check Windows Device Manager to insure that device drivers for<byte value="xd"/>  your USB Adapter cable are properly loaded, and that a Serial Port<byte value="xd"/>  has been created by the USB adapter</source>
        <extracomment>A message box that keeps these line breaks; the lines after a bullet start with two spaces. Orvantis is a maker&apos;s name; Device Manager is the name of the Windows program.</extracomment>
        <translation>Orvantis コントローラーが見つかりません！<byte value="xd"/><byte value="xd"/>• ESC 側の PC ケーブルアダプターのコネクターの向きを確認してください<byte value="xd"/><byte value="xd"/>• Windows のデバイス マネージャーで、USB アダプターケーブルの<byte value="xd"/>  デバイスドライバーが正しく読み込まれ、USB アダプターによって<byte value="xd"/>  シリアルポートが作成されていることを確認してください</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>No COM port is selected: the port list is empty, or the selected entry has no port number (only the first ten listed ports can be used).</source>
        <extracomment>COM port: a serial port as the port list names it (COM1, COM2...).</extracomment>
        <translation>COM ポートが選択されていません：ポート一覧が空か、選択した項目にポート番号がありません (使用できるのは一覧の最初の 10 個のポートだけです)。</translation>
    </message>
    <message>
        <source>No serial port is listed: plug in the PC interface cable.</source>
        <translation>シリアルポートが一覧にありません：PC インターフェースケーブルを接続してください。</translation>
    </message>
    <message numerus="yes">
        <source>No ESC answered on any of the %n listed ports. Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>%n is the number of ports searched, always 2 or more.</extracomment>
        <translation>
            <numerusform>一覧にある %n 個のポートのいずれでも ESC が応答しませんでした。ESC 側のケーブルのコネクターの向きと、ESC に電源が入っていることを確認してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>No ESC answered on COM%1 (%2). Check the cable&apos;s connector orientation at the ESC and that the ESC is powered.</source>
        <extracomment>&quot;COM%1 (%2)&quot; stays as it is, together: the command line puts the name the user gave in its place. COM%1 is a port name; %2 is the device behind it (/dev/ttyUSB0).</extracomment>
        <translation>COM%1 (%2) で ESC が応答しませんでした。ESC 側のケーブルのコネクターの向きと、ESC に電源が入っていることを確認してください。</translation>
    </message>
    <message>
        <source>the reply began with 0x00.</source>
        <extracomment>The command line&apos;s reason why a read failed, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>応答が 0x00 で始まりました。</translation>
    </message>
    <message>
        <source>the run was cut short.</source>
        <extracomment>The command line&apos;s reason why a run ended, after its own &quot;...: &quot;; stays lower case.</extracomment>
        <translation>実行が中断されました。</translation>
    </message>
    <message>
        <source>Backups are off until OrvESC is started again: the settings cannot be saved in<byte value="xd"/>%1<byte value="xd"/>(%2). CONNECT, PROGRAM and DEFAULT work as before; make the folder writable to have backups.</source>
        <extracomment>A message box that keeps these line breaks. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;). CONNECT, PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>OrvESC を再起動するまでバックアップは無効です：設定を次の場所に保存できません<byte value="xd"/>%1<byte value="xd"/>(%2)。「接続」「書き込み」「初期値」はこれまでどおり動作します。バックアップを有効にするにはフォルダーを書き込み可能にしてください。</translation>
    </message>
    <message>
        <source>backups are off for this run: the settings cannot be saved in %1 (%2); the write goes on. Make the folder writable to have backups.</source>
        <extracomment>A command-line note after the port&apos;s name and a colon, so it starts lower case. %1 is the backup folder, %2 why it cannot be written (&quot;the folder cannot be created&quot;).</extracomment>
        <translation>この実行ではバックアップが無効です：設定を %1 に保存できません (%2)。書き込みは続行します。バックアップを有効にするにはフォルダーを書き込み可能にしてください。</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>RPM Control Disabled with Brake</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>ブレーキ使用時は回転数制御が無効になります</translation>
    </message>
    <message>
        <source>RPM Control Disabled with Hard Cut LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>ハードカット LVC では回転数制御が無効になります</translation>
    </message>
    <message>
        <source>RPM Control Disabled without SoftStart</source>
        <extracomment>A message box after the user changed a setting.</extracomment>
        <translation>ソフト始動なしでは回転数制御が無効になります</translation>
    </message>
    <message>
        <source>RPM Control Disabled without LVC</source>
        <extracomment>A message box after the user changed a setting. LVC: low-voltage cutoff.</extracomment>
        <translation>LVC なしでは回転数制御が無効になります</translation>
    </message>
    <message>
        <source>Brake Disabled  / Softstart enabled with RPM Control</source>
        <extracomment>A message box after the user changed a setting: two corrections made at once.</extracomment>
        <translation>回転数制御のためブレーキを無効化 / ソフト始動を有効化</translation>
    </message>
    <message>
        <source>The ESC reported settings that this tool cannot show (their lists are left empty):</source>
        <extracomment>The first line of a message box; one line per setting follows.</extracomment>
        <translation>ESC が、このツールでは表示できない設定を報告しました (一覧は空のままです)：</translation>
    </message>
    <message>
        <source>No backup can keep these codes: note them before PROGRAM or DEFAULT overwrites them.</source>
        <extracomment>The last line of a message box. PROGRAM and DEFAULT are buttons: use their translated names.</extracomment>
        <translation>これらのコードはバックアップできません：「書き込み」または「初期値」で上書きされる前に控えてください。</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation>OrvESC 設定 (*.orvesc.json);;JSON ファイル (*.json);;すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>No record file is named: name one.</source>
        <translation>記録ファイルが指定されていません：指定してください。</translation>
    </message>
    <message>
        <source>The record file %1 is a folder: name a file.</source>
        <translation>記録ファイル %1 はフォルダーです：ファイルを指定してください。</translation>
    </message>
    <message>
        <source>The record file %1 cannot be read: %2.</source>
        <translation>記録ファイル %1 を読み取れません：%2。</translation>
    </message>
    <message>
        <source>%1 is not a record of OrvESC&apos;s runs (its first line differs): name another file.</source>
        <translation>%1 は OrvESC の実行記録ではありません (1 行目が異なります)：別のファイルを指定してください。</translation>
    </message>
    <message>
        <source>The record file %1 cannot be written: %2.</source>
        <translation>記録ファイル %1 に書き込めません：%2。</translation>
    </message>
</context>
<context>
    <name>SerialError</name>
    <message>
        <source>process %1</source>
        <extracomment>A program holding a serial port, known only by its process number %1.</extracomment>
        <translation>プロセス %1</translation>
    </message>
    <message>
        <source>%1, process %2</source>
        <extracomment>A program holding a serial port: %1 its name, %2 its process number.</extracomment>
        <translation>%1、プロセス %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Separates the programs of a list in parentheses: &quot;(minicom, process 12; process 14)&quot;.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the names of two system services, or of a list of them and one more: &quot;ModemManager and gpsd&quot;.</extracomment>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 is running and may hold it. Stop it with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 a system service&apos;s name, %3 its unit; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 は別のプログラムが使用中です。%2 が実行中で、このポートを占有している可能性があります。次のコマンドで停止してから再試行してください：sudo systemctl stop %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program; %2 are running and may hold it. Stop them with: sudo systemctl stop %3, then try again.</source>
        <extracomment>%1 is a port (COM3), %2 the names of two or more system services, %3 their units; &quot;sudo systemctl stop&quot; is a command and stays as it is.</extracomment>
        <translation>%1 は別のプログラムが使用中です。%2 が実行中で、このポートを占有している可能性があります。次のコマンドでこれらを停止してから再試行してください：sudo systemctl stop %3</translation>
    </message>
    <message>
        <source>There is no %1: no serial port or USB adapter has that number. Check that the adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM12).</extracomment>
        <translation>%1 はありません：その番号のシリアルポートや USB アダプターはありません。アダプターが接続されているか確認してください。</translation>
    </message>
    <message>
        <source>%1 is not a port number this tool can use: the numbers run from COM%2 to COM%3.</source>
        <extracomment>%1 is what the user gave as a port (COM12); COM%2 and COM%3 are port names and stay as they are.</extracomment>
        <translation>%1 はこのツールで使用できるポート番号ではありません：番号は COM%2 から COM%3 までです。</translation>
    </message>
    <message>
        <source>%1 is open: the port number can only change while the port is closed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 は開いています：ポート番号はポートを閉じているときにしか変更できません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting the serial port can take (it should read like 19200,N,8,1).</source>
        <extracomment>%1 is the text given; &quot;19200,N,8,1&quot; is a setting as the port takes it and stays as it is.</extracomment>
        <translation>&quot;%1&quot; はシリアルポートの回線設定として使えません (19200,N,8,1 のような形式にしてください)。</translation>
    </message>
    <message>
        <source>%1 is not a read length (0 reads everything waiting).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 は読み取り長として無効です (0 で待機中のデータをすべて読み取ります)。</translation>
    </message>
    <message>
        <source>%1 is not a read mode (0 text, 1 bytes).</source>
        <extracomment>%1 is the number given.</extracomment>
        <translation>%1 は読み取りモードとして無効です (0 はテキスト、1 はバイト)。</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1).</extracomment>
        <translation>%1 は回線設定 %2 を受け付けません。</translation>
    </message>
    <message>
        <source>%1 does not take the line settings %2: %3.</source>
        <extracomment>%1 is a port name (COM3), %2 the line settings (19200,N,8,1), %3 the system&apos;s reason.</extracomment>
        <translation>%1 は回線設定 %2 を受け付けません：%3。</translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 はすでに開いています。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist. Check that the USB adapter is plugged in.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 を開けません：デバイスが存在しません。USB アダプターが接続されているか確認してください。</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user. Ask the administrator of this computer for access to the device.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>このユーザーには %1 を開く権限がありません。このコンピューターの管理者にデバイスへのアクセス権を依頼してください。</translation>
    </message>
    <message>
        <source>%1 may not be opened by this user: access is granted to the group &quot;%2&quot;. Join it with: sudo usermod -aG %2 $USER, then log in again.</source>
        <extracomment>%1 is a port name (COM3), %2 a user group&apos;s name (dialout); &quot;sudo usermod -aG %2 $USER&quot; is a command and stays as it is.</extracomment>
        <translation>このユーザーには %1 を開く権限がありません：アクセス権はグループ &quot;%2&quot; に与えられています。次のコマンドでグループに参加してから、ログインし直してください：sudo usermod -aG %2 $USER</translation>
    </message>
    <message>
        <source>%1 cannot be opened: this user may not write the port&apos;s lock file (in /var/lock or /tmp).</source>
        <extracomment>%1 is a port name (COM3); /var/lock and /tmp are folders.</extracomment>
        <translation>%1 を開けません：このユーザーはポートのロックファイル (/var/lock または /tmp 内) に書き込めません。</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 は別のプログラムが使用中です。そのプログラムを終了するか、別のポートを選んでください。</translation>
    </message>
    <message>
        <source>%1 is in use by another program (%2). Close that program, or choose another port.</source>
        <extracomment>%1 is a port name (COM3), %2 the programs holding it (&quot;minicom, process 12&quot;).</extracomment>
        <translation>%1 は別のプログラム (%2) が使用中です。そのプログラムを終了するか、別のポートを選んでください。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is not a serial port.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 を開けません：シリアルポートではありません。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the system gave no reason.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 を開けません：システムから理由が示されませんでした。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>%1 を開けません：%2。</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: the USB adapter may have been unplugged.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 との接続が切れました：USB アダプターが抜かれた可能性があります。</translation>
    </message>
    <message>
        <source>%1 is not open.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 は開いていません。</translation>
    </message>
    <message>
        <source>Sending to %1 failed.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>%1 への送信に失敗しました。</translation>
    </message>
    <message>
        <source>Sending to %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>%1 への送信に失敗しました：%2。</translation>
    </message>
    <message>
        <source>Reading from %1 failed: %2.</source>
        <extracomment>%1 is a port name (COM3), %2 the system&apos;s reason.</extracomment>
        <translation>%1 からの読み取りに失敗しました：%2。</translation>
    </message>
    <message>
        <source>The ESC&apos;s port %1 is gone.</source>
        <extracomment>%1 is a port name (COM3).</extracomment>
        <translation>ESC のポート %1 が見つかりません。</translation>
    </message>
    <message>
        <source>%1 (linked as %2)</source>
        <extracomment>A port&apos;s tool tip: %1 the device (/dev/ttyUSB0), %2 the link that names it (/dev/orvesc).</extracomment>
        <translation>%1 (リンク名 %2)</translation>
    </message>
    <message>
        <source>The USB adapter %1 appeared and vanished again at once: brltty, a braille-display service, may be taking it. If you use no braille display, remove it with: sudo apt remove brltty, then plug the adapter in again.</source>
        <extracomment>%1 is the adapter&apos;s device (/dev/ttyUSB0); brltty is a program&apos;s name and &quot;sudo apt remove brltty&quot; a command: both stay as they are.</extracomment>
        <translation>USB アダプター %1 が現れてすぐに消えました：点字ディスプレイ用サービスの brltty が占有している可能性があります。点字ディスプレイを使っていない場合は、次のコマンドで削除してから、アダプターを接続し直してください：sudo apt remove brltty</translation>
    </message>
</context>
<context>
    <name>SettingsApply</name>
    <message>
        <source>the %1 has no %2 setting</source>
        <extracomment>%1 is the ESC&apos;s model, %2 a setting&apos;s caption (&quot;BRAKE&quot;).</extracomment>
        <translation>%1 には %2 の設定がありません</translation>
    </message>
    <message>
        <source>%1: the %2 has no entry &quot;%3&quot;. Its entries: %4</source>
        <extracomment>%1 is a setting&apos;s caption, %2 the ESC&apos;s model, %3 the entry asked for, %4 the list&apos;s entries.</extracomment>
        <translation>%1：%2 には選択肢 &quot;%3&quot; がありません。選択肢：%4</translation>
    </message>
    <message>
        <source>the setting rules would change %1. Ask for a combination the rules allow</source>
        <extracomment>%1 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*, BRAKE: ON -&gt; OFF*&quot;.</extracomment>
        <translation>設定ルールにより %1 が変更されてしまいます。ルールで許される組み合わせを指定してください</translation>
    </message>
    <message>
        <source>%1: the setting rules would change %2. Ask for a combination the rules allow</source>
        <extracomment>%1 quotes what the rules said, %2 lists the changes, &quot;RPM CONTROL: GASMODE -&gt; OFF*&quot;.</extracomment>
        <translation>%1：設定ルールにより %2 が変更されてしまいます。ルールで許される組み合わせを指定してください</translation>
    </message>
    <message>
        <source>model code %1</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>機種コード %1</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2, for which the list has no entry; give one</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a code such as 0x9F.</extracomment>
        <translation>%1：ESC が報告したコード %2 に対応する選択肢が一覧にありません。選択肢を指定してください</translation>
    </message>
</context>
<context>
    <name>SettingsCompare</name>
    <message>
        <source>code %1</source>
        <extracomment>A setting&apos;s value that no entry of the list stands for; %1 is the number.</extracomment>
        <translation>コード %1</translation>
    </message>
    <message>
        <source>%1: the ESC has %2, the list shows %3</source>
        <extracomment>%1 is a setting&apos;s caption, %2 what the ESC reported, %3 what the list shows (entries or codes).</extracomment>
        <translation>%1：ESC の値は %2、一覧の表示は %3</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>unknown key %1 is ignored</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>不明なキー %1 は無視されます</translation>
    </message>
    <message>
        <source>unknown key %1 in &quot;model&quot; is ignored</source>
        <translation>&quot;model&quot; 内の不明なキー %1 は無視されます</translation>
    </message>
    <message>
        <source>unknown key %1 in the setting %2 is ignored</source>
        <extracomment>%1 is a JSON key in quotes, %2 the setting&apos;s key in quotes (&quot;brake&quot;).</extracomment>
        <translation>設定 %2 内の不明なキー %1 は無視されます</translation>
    </message>
    <message>
        <source>model (%1)</source>
        <extracomment>A model of ESC the tool has no name for; %1 is its code.</extracomment>
        <translation>機種 (%1)</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 a number, %3 the setting&apos;s caption, %4 the model.</extracomment>
        <translation>設定 %1 のコード %2 は、%4 の %3 の選択肢ではありません</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 with a %5 battery</source>
        <extracomment>%5 is the battery&apos;s chemistry, Li or Ni.</extracomment>
        <translation>設定 %1 のコード %2 は、%5 電池使用時の %4 の %3 の選択肢ではありません</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, which is no %3 entry of %4 for a %5 battery</source>
        <extracomment>The cutoff kept for the battery family not in use; %5 is that family&apos;s chemistry, Li or Ni.</extracomment>
        <translation>設定 %1 のコード %2 は、%4 の %5 電池用の %3 の選択肢ではありません</translation>
    </message>
    <message>
        <source>the setting %1 is not an object with &quot;code&quot; and &quot;text&quot;</source>
        <extracomment>%1 is the setting&apos;s key in quotes; &quot;code&quot; and &quot;text&quot; are the file&apos;s keys.</extracomment>
        <translation>設定 %1 が &quot;code&quot; と &quot;text&quot; を持つオブジェクトではありません</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;code&quot;</source>
        <translation>設定 %1 に &quot;code&quot; がありません</translation>
    </message>
    <message>
        <source>the setting %1 has code %2, not a whole number from 0 to 255</source>
        <extracomment>%2 is the code as the file holds it.</extracomment>
        <translation>設定 %1 のコードが %2 で、0～255 の整数ではありません</translation>
    </message>
    <message>
        <source>the setting %1 has no &quot;text&quot;; its code %2 stands for %3</source>
        <extracomment>%2 is a number, %3 the list&apos;s entry in quotes.</extracomment>
        <translation>設定 %1 に &quot;text&quot; がありません。コード %2 は %3 を表します</translation>
    </message>
    <message>
        <source>the setting %1 has text %2 but its code %3 stands for %4; correct the text or the code</source>
        <extracomment>%2 is the text the file holds, %3 a number, %4 the list&apos;s entry; both texts in quotes.</extracomment>
        <translation>設定 %1 のテキストは %2 ですが、コード %3 は %4 を表します。テキストかコードを修正してください</translation>
    </message>
    <message>
        <source>it holds the setting %1, which %2 does not have</source>
        <extracomment>%1 is the setting&apos;s key in quotes, %2 the model.</extracomment>
        <translation>%2 にない設定 %1 が含まれています</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its JSON text is no object)</source>
        <translation>OrvESC の設定ファイルではありません (JSON テキストがオブジェクトではありません)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (it has no &quot;format&quot;)</source>
        <translation>OrvESC の設定ファイルではありません (&quot;format&quot; がありません)</translation>
    </message>
    <message>
        <source>it is not an OrvESC settings file (its format is %1, not %2)</source>
        <extracomment>%1 is the format the file names, %2 the one OrvESC writes, both in quotes.</extracomment>
        <translation>OrvESC の設定ファイルではありません (形式が %2 ではなく %1 です)</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is missing or not a whole number from 1 up</source>
        <translation>&quot;version&quot; がないか、1 以上の整数ではありません</translation>
    </message>
    <message>
        <source>it has format version %1, newer than the version %2 this OrvESC reads; open it with a newer OrvESC</source>
        <extracomment>%1 is the file&apos;s format version, %2 the newest this OrvESC reads.</extracomment>
        <translation>形式バージョンが %1 で、この OrvESC が読めるバージョン %2 より新しいです。新しい OrvESC で開いてください</translation>
    </message>
    <message>
        <source>it names no &quot;model&quot;</source>
        <translation>&quot;model&quot; が指定されていません</translation>
    </message>
    <message>
        <source>its model has no whole-number &quot;code&quot;</source>
        <translation>機種に整数の &quot;code&quot; がありません</translation>
    </message>
    <message>
        <source>its model code %1 is not a model this tool knows</source>
        <extracomment>%1 is the model code the file holds.</extracomment>
        <translation>機種コード %1 はこのツールが認識しない機種です</translation>
    </message>
    <message>
        <source>it has no &quot;settings&quot; object</source>
        <translation>&quot;settings&quot; オブジェクトがありません</translation>
    </message>
    <message>
        <source>the setting %1 is missing</source>
        <extracomment>%1 is the setting&apos;s key in quotes.</extracomment>
        <translation>設定 %1 がありません</translation>
    </message>
    <message>
        <source>the model code %1 is not one the tool knows by name, so no settings file can hold it</source>
        <translation>機種コード %1 はこのツールが名前を知らない機種のため、設定ファイルに保持できません</translation>
    </message>
    <message>
        <source>no choice is selected for %1</source>
        <extracomment>%1 lists the captions of the settings, &quot;BRAKE, TIMING MODE&quot;.</extracomment>
        <translation>%1 で何も選択されていません</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>%1 is the file&apos;s size in bytes.</extracomment>
        <translation>64 KiB を超えています (%1 バイト)。設定ファイルとしては大きすぎます</translation>
    </message>
    <message>
        <source>it is not JSON text</source>
        <translation>JSON テキストではありません</translation>
    </message>
    <message>
        <source>%1 shows an entry that stands for no code of this model: %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1 に、この機種のどのコードにも対応しない選択肢が表示されています：%2</translation>
    </message>
    <message>
        <source>%1: the ESC reported code %2</source>
        <extracomment>%1 is a setting&apos;s caption, %2 a number.</extracomment>
        <translation>%1：ESC が報告したコードは %2</translation>
    </message>
    <message>
        <source>the key %1 appears twice in one place</source>
        <extracomment>%1 is a JSON key in quotes.</extracomment>
        <translation>キー %1 が同じ場所に 2 回現れています</translation>
    </message>
    <message>
        <source>it ends before its JSON text does (the file is cut short)</source>
        <translation>JSON テキストの途中でファイルが終わっています (ファイルが途切れています)</translation>
    </message>
    <message>
        <source>it is not JSON text (error at %1)</source>
        <extracomment>%1 is a place in the file, &quot;line 3, column 14&quot;.</extracomment>
        <translation>JSON テキストではありません (%1 でエラー)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>%1 行 %2 列</translation>
    </message>
    <message>
        <source>it nests values deeper than a settings file does</source>
        <translation>値の入れ子が設定ファイルとしては深すぎます</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation>設定ファイルを使用できません<byte value="xd"/>%1<byte value="xd"/>%2。<byte value="xd"/>一覧は変更されていません。</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>設定を開く</translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation>バックアップはまだありません。「接続」で ESC の設定を読み込むたびに、次の場所に保存されます<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>バックアップから復元</translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation>このファイルは %1 の設定ですが、接続中の ESC は %2 です。対応していない設定は現在の選択のままです。</translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation>ファイルに入力ミスがないか確認してください：%1。</translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation>一覧にはすでにこのファイルの設定が表示されています。</translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation>接続中の ESC は次に対応していません：</translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation>次の設定が変更されます：</translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation>その後「書き込み」を押して ESC に書き込んでください。</translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation>ファイルの次の設定は接続中の %1 では提供されないため、現在の選択のままです：</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>何も保存されていません：%1。</translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation>名前を付けて設定を保存</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation>ファイル<byte value="xd"/>%1<byte value="xd"/>はすでに存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation>設定を次の場所に保存できませんでした<byte value="xd"/>%1<byte value="xd"/>(%2)。別の場所を選んでください。</translation>
    </message>
</context>
<context>
    <name>StationProgramming</name>
    <message>
        <source>Refused: this is a %1, the settings are for a %2. Nothing was written.</source>
        <translation>拒否しました：これは %1 ですが、設定は %2 用です。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Not programmed: its settings could not be backed up (%1).</source>
        <translation>書き込んでいません：設定をバックアップできませんでした (%1)。</translation>
    </message>
    <message>
        <source>no backup folder</source>
        <translation>バックアップフォルダーがありません</translation>
    </message>
    <message>
        <source>Refused: %1. Nothing was written.</source>
        <translation>拒否しました：%1。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The ESC rejected %1: %2 (command %3 of %4).</source>
        <translation>ESC が %1 を拒否しました：%2 (コマンド %3/%4)。</translation>
    </message>
    <message>
        <source>No answer to %1: %2 (command %3 of %4).</source>
        <translation>%1 に応答がありません：%2 (コマンド %3/%4)。</translation>
    </message>
    <message>
        <source>Cut short.</source>
        <translation>中断されました。</translation>
    </message>
    <message>
        <source>The read-back differs in %1.</source>
        <translation>読み戻した値が %1 で異なります。</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>the folder cannot be created</source>
        <extracomment>Why backups cannot be saved, shown in parentheses after the backup folder&apos;s name.</extracomment>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>存在しません</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows.</extracomment>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB (%1 bytes), far too large for a settings file</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is its size in bytes.</extracomment>
        <translation>64 KiB を超えています (%1 バイト)。設定ファイルとしては大きすぎます</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a settings file cannot be used, shown after its name; &quot;it&quot; is the file and a full stop follows. %1 is the system&apos;s reason.</extracomment>
        <translation>読み取れません (%1)</translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>比較していません：%1 で何も選択されていません。</translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation>ESC には表示中の設定が保存されています。</translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation>ESC はすべてのコマンドを受け付けましたが、設定を読み戻すと相違があります：</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>制動</translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation>電池</translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation>切断電圧/セル</translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation>自動切断モード</translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation>ソフト始動</translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation>進角モード</translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation>モーター逆転</translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation>回転数制御</translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation>加速遅延</translation>
    </message>
    <message>
        <source>CUTOFF</source>
        <translation>切断電圧</translation>
    </message>
    <message>
        <source>AUTOCUT</source>
        <translation>自動切断</translation>
    </message>
    <message>
        <source>TIMING</source>
        <translation>進角</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>モータ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>ESC Detected</source>
        <translation>ESC検出</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>書き込み中</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation>設定を開く...</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>名前を付けて設定を保存...</translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation>バックアップから復元...</translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation>ESC と比較</translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation>書き込み後に検証</translation>
    </message>
    <message>
        <source>Program several ESCs...</source>
        <translation>複数の ESC に書き込み...</translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation>%1 - &quot;%2&quot; は「接続」の後で開きます</translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation>何も送信していません：%1 で何も選択されていません。</translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation>Quorl ESC に書き込みました</translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation>%1 は「接続」で ESC の設定を読み込んだ後に使えます：まず ESC を接続してください。</translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation>Orvantis ESC PC インターフェース</translation>
    </message>
</context>
<context>
    <name>orvesc::SeveralEscsDialog</name>
    <message>
        <source>Program several ESCs</source>
        <translation>複数の ESC に書き込み</translation>
    </message>
    <message>
        <source>The settings the lists show</source>
        <translation>一覧に表示中の設定</translation>
    </message>
    <message>
        <source>A settings file:</source>
        <translation>設定ファイル：</translation>
    </message>
    <message>
        <source>The model&apos;s factory settings</source>
        <translation>機種の工場出荷時設定</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>記録：</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>設定ファイル</translation>
    </message>
    <message>
        <source>Settings (*.orvesc.json *.json)</source>
        <translation>設定 (*.orvesc.json *.json)</translation>
    </message>
    <message>
        <source>Choose the settings and the port, then press Start.</source>
        <translation>設定とポートを選んで「開始」を押してください。</translation>
    </message>
    <message>
        <source>Passed: %1  Failed: %2</source>
        <translation>合格：%1  不合格：%2</translation>
    </message>
    <message>
        <source>Name a settings file.</source>
        <translation>設定ファイルを指定してください。</translation>
    </message>
    <message>
        <source>Writes the settings of %1.</source>
        <translation>%1 の設定を書き込みます。</translation>
    </message>
    <message>
        <source>Writes the settings the lists show, for the %1.</source>
        <translation>一覧に表示中の設定を %1 用に書き込みます。</translation>
    </message>
    <message>
        <source>Writes the factory settings of the %1.</source>
        <translation>%1 の工場出荷時設定を書き込みます。</translation>
    </message>
    <message>
        <source>Name a settings file, or choose other settings.</source>
        <translation>設定ファイルを指定するか、別の設定を選んでください。</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 は使用できません：%2</translation>
    </message>
    <message>
        <source>Writes the settings of %1, for the %2.</source>
        <translation>%1 の設定を %2 用に書き込みます。</translation>
    </message>
    <message>
        <source>These settings cannot be written: %1.</source>
        <translation>これらの設定は書き込めません：%1。</translation>
    </message>
    <message>
        <source>No port is listed: plug in the PC interface cable.</source>
        <translation>ポートが一覧にありません：PC インターフェースケーブルを接続してください。</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>実行を停止しました。</translation>
    </message>
    <message>
        <source>Unplug the ESC.</source>
        <translation>ESC を外してください。</translation>
    </message>
    <message>
        <source>Another ESC is on the cable.</source>
        <translation>ケーブルに別の ESC が接続されています。</translation>
    </message>
    <message>
        <source>Plug in the next ESC.</source>
        <translation>次の ESC を接続してください。</translation>
    </message>
    <message>
        <source>Plug in an ESC.</source>
        <translation>ESC を接続してください。</translation>
    </message>
    <message>
        <source>Run ended: %1 passed, %2 failed.</source>
        <translation>実行終了：合格 %1、不合格 %2。</translation>
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
        <translation>この ESC が終わったら停止します。</translation>
    </message>
    <message>
        <source>Stopping.</source>
        <translation>停止しています。</translation>
    </message>
</context>
<context>
    <name>orvesc::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name (OrvESC).</extracomment>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>Orvantis ESC PC interface</source>
        <extracomment>Orvantis is a maker&apos;s name; ESC: electronic speed controller.</extracomment>
        <translation>Orvantis ESC PC インターフェース</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 is the version number (1.3.1): keep the three parts together as they are.</extracomment>
        <translation>バージョン %1.%2.%3</translation>
    </message>
    <message>
        <source>This software will enable programming of a Orvantis ESC when used in conjunction with a Orvantis PC Interface Cable and a PC.
For news and updates visit www.orvantis.example</source>
        <extracomment>Orvantis is a maker&apos;s name; the web address stays as it is.</extracomment>
        <translation>このソフトウェアを Orvantis PC インターフェースケーブルおよび PC と組み合わせて使用すると、Orvantis ESC をプログラムできます。
最新情報とアップデートは www.orvantis.example をご覧ください</translation>
    </message>
    <message>
        <source>Warning: this software is provided as is, without warranty of any kind. Orvantis accepts no liability for any damage, injury or loss arising from its use, including from settings written to a speed controller. Remove the propeller before programming.</source>
        <translation>警告：このソフトウェアは現状のまま提供され、いかなる保証もありません。Orvantis は、スピードコントローラーに書き込まれた設定によるものを含め、本ソフトウェアの使用から生じるいかなる損害、傷害、損失についても責任を負いません。書き込みの前にプロペラを外してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>A button that starts the system&apos;s information program; &amp; marks its access key.</extracomment>
        <translation>システム情報(&amp;S)...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>現在システム情報を利用できません</translation>
    </message>
</context>
</TS>
