<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with ESC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after PROGRAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
