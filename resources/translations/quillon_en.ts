<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CTransmitterSio</name>
    <message>
        <source>COM-Port kann nicht geöffnet werden</source>
        <translation>COM port cannot be opened</translation>
    </message>
</context>
</TS>
