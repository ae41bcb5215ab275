<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Diagnostics</name>
    <message>
        <source>Save Diagnostics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latency timer %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 diagnostics, written %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System: %1, kernel %2 %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports (COM%1 to COM%2):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traffic (%1 events, %2 older ones dropped; seconds since start-up):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diagnostics could not be written to %1: %2. Choose another folder and save again.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
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
    <name>QFileDialog</name>
    <message>
        <source>OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Cannot use the settings file<byte value="xd"/>%1<byte value="xd"/>%2.<byte value="xd"/>The lists are unchanged.</source>
        <extracomment>%1 is the file, %2 what is wrong with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no backups yet. Each CONNECT that reads an ESC&apos;s settings saves them in<byte value="xd"/>%1</source>
        <extracomment>CONNECT is the window&apos;s button; %1 is a folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file holds the settings of a %1, the connected ESC is a %2. Settings it does not offer keep their choice.</source>
        <extracomment>%1 and %2 are model names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the file for typos: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lists already show the settings of this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connected ESC does not offer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings will change:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press PROGRAM afterwards to write them into the ESC.</source>
        <extracomment>PROGRAM is the window&apos;s button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings of the file are not offered by the connected %1 and keep their choice:</source>
        <extracomment>%1 is a model name; one setting per line follows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Settings As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to<byte value="xd"/>%1<byte value="xd"/>(%2). Choose another place.</source>
        <extracomment>%1 is the file, %2 the reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verification</name>
    <message>
        <source>Nothing was compared: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ESC holds the settings shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ESC accepted every command, but reading its settings back shows differences:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUTOFF V/CELL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTOCUT MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOFT START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIMING MODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FREQUENCY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTOR REVERSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RPM CONTROL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACCELERATION DELAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUTOFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTOCUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIMING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESC Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLOSE</source>
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
</context>
<context>
    <name>orvesc::Form1</name>
    <message>
        <source>%1 - &quot;%2&quot; will be opened after CONNECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent: no choice is selected for %1.</source>
        <extracomment>%1 lists the captions of the settings without a choice.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorl ESC programmed</source>
        <extracomment>Quorl is the maker&apos;s name and stays.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 works once CONNECT has read an ESC&apos;s settings: connect the ESC first.</source>
        <extracomment>%1 is the menu entry chosen, CONNECT the window&apos;s button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvantis ESC PC Interface</source>
        <extracomment>The window&apos;s title; Orvantis is the maker&apos;s name and stays.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
