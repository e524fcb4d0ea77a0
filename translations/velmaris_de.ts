<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>File does not exist!</source>
        <translation>Datei existiert nicht!</translation>
    </message>
    <message>
        <source>The requested file does not exist.</source>
        <translation>Die angeforderte Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Could not find a pdf viewer!</source>
        <translation>Kein PDF-Betrachter gefunden!</translation>
    </message>
    <message>
        <source>Please install a viewer for Adobe portable document (PDF) files. You can download a viewer from &lt;a href=&quot;https://get.adobe.com/reader/&quot;&gt;Adobe&apos;s website&lt;/a&gt;.</source>
        <translation>Bitte installieren Sie einen Betrachter für PDF-Dateien (Adobe Portable Document). Einen Betrachter erhalten Sie auf &lt;a href=&quot;https://get.adobe.com/de/reader/&quot;&gt;Adobes Website&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>SetPropertyCommandBase</name>
    <message>
        <source>Change %1 of %2 to %3</source>
        <translation>%1 von %2 auf %3 ändern</translation>
    </message>
    <message>
        <source>Change %1 of %2 objects to %3</source>
        <translation>%1 von %2 Objekten auf %3 ändern</translation>
    </message>
    <message>
        <source>Set %1 of %2 objects to automatic</source>
        <translation>%1 von %2 Objekten auf automatisch setzen</translation>
    </message>
</context>
<context>
    <name>VLItemDelegate</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Velmaris::NumberEditor</name>
    <message>
        <source>%1 is outside the allowed range %2.</source>
        <translation>%1 liegt außerhalb des zulässigen Bereichs %2.</translation>
    </message>
    <message>
        <source>Only whole numbers can be entered here.</source>
        <translation>Hier sind nur ganze Zahlen möglich.</translation>
    </message>
    <message numerus="yes">
        <source>At most %n decimal(s) can be entered here.</source>
        <translation>
            <numerusform>Höchstens %n Nachkommastelle ist hier möglich.</numerusform>
            <numerusform>Höchstens %n Nachkommastellen sind hier möglich.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” is not a number: decimals follow “%2”, thousands may be grouped with “%3”.</source>
        <translation>„%1“ ist keine Zahl: Nachkommastellen folgen auf „%2“, Tausender können mit „%3“ gruppiert werden.</translation>
    </message>
</context>
<context>
    <name>Velmaris::ProcPlanBaseQItemModel</name>
    <message>
        <source> not editable</source>
        <translation> nicht editierbar</translation>
    </message>
    <message>
        <source>Multiple values</source>
        <translation>Mehrere Werte</translation>
    </message>
    <message>
        <source>The objects&apos; reference values differ</source>
        <translation>Die Referenzwerte der Objekte unterscheiden sich</translation>
    </message>
</context>
<context>
    <name>Velmaris::PropertyCellText</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No value</source>
        <translation>Kein Wert</translation>
    </message>
    <message>
        <source>Not one of the allowed values</source>
        <translation>Keiner der zulässigen Werte</translation>
    </message>
    <message>
        <source>Outside %1</source>
        <translation>Außerhalb von %1</translation>
    </message>
    <message>
        <source>Clipped to the range %1</source>
        <translation>Auf den Bereich %1 begrenzt</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>needs attention: %1</source>
        <translation>erfordert Aufmerksamkeit: %1</translation>
    </message>
    <message>
        <source>differs from the reference plan, which has %1</source>
        <translation>weicht vom Referenzplan ab, der %1 hat</translation>
    </message>
    <message>
        <source>differs from the reference plan (%1)</source>
        <translation>weicht vom Referenzplan ab (%1)</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>In some of the objects</source>
        <translation>Bei einigen der Objekte</translation>
    </message>
    <message>
        <source>multiple values</source>
        <translation>mehrere Werte</translation>
    </message>
</context>
<context>
    <name>Velmaris::PropertyTreeView</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Property values by category; F2 edits the current value</source>
        <translation>Eigenschaftswerte nach Kategorie; F2 bearbeitet den aktuellen Wert</translation>
    </message>
</context>
<context>
    <name>compareToReferenceProperty</name>
    <message>
        <source>Reference value: %1</source>
        <translation>Referenzwert: %1</translation>
    </message>
    <message>
        <source>No reference value</source>
        <translation>Kein Referenzwert</translation>
    </message>
</context>
</TS>
