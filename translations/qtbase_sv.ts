<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The words of Qt's own buttons in the program's boxes. Debian's catalogues
     of Qt have none for this language, so the program brings them itself. -->
<TS version="2.1" language="sv_SE">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
</TS>
