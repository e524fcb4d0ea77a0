<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PropertyViewFiller</name>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>VelmarisEditor::HistoryView</name>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;leer&gt;</translation>
    </message>
</context>
<context>
    <name>VelmarisEditor::MainWindow</name>
    <message>
        <source>Filter properties by label</source>
        <translation>Eigenschaften nach Bezeichnung filtern</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save plan</source>
        <translation>Plan speichern</translation>
    </message>
    <message>
        <source>Plans (*.json)</source>
        <translation>Pläne (*.json)</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Show report</source>
        <translation>Bericht anzeigen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Set to automatic</source>
        <translation>Auf automatisch setzen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Currency </source>
        <translation>Währung </translation>
    </message>
    <message>
        <source>Compare with reference plan</source>
        <translation>Mit Referenzplan vergleichen</translation>
    </message>
    <message>
        <source>Show all properties</source>
        <translation>Alle Eigenschaften anzeigen</translation>
    </message>
    <message>
        <source>Set %1 to automatic</source>
        <translation>%1 auf automatisch setzen</translation>
    </message>
    <message>
        <source>Saving failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Open plan</source>
        <translation>Plan öffnen</translation>
    </message>
    <message>
        <source>Plan refused</source>
        <translation>Plan abgelehnt</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Open reference plan...</source>
        <translation>Referenzplan öffnen...</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Bericht gespeichert unter %1</translation>
    </message>
    <message>
        <source>The report could not be written to %1</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden</translation>
    </message>
    <message>
        <source>Untitled plan</source>
        <translation>Unbenannter Plan</translation>
    </message>
    <message>
        <source>%1[*] - Velmaris process plan editor</source>
        <translation>%1[*] - Velmaris Arbeitsplan-Editor</translation>
    </message>
    <message>
        <source>Mark the values that differ from the reference plan</source>
        <translation>Werte markieren, die vom Referenzplan abweichen</translation>
    </message>
    <message>
        <source>No reference plan to compare with: open one with File, Open reference plan...</source>
        <translation>Kein Referenzplan zum Vergleichen: öffnen Sie einen mit Datei, Referenzplan öffnen...</translation>
    </message>
    <message>
        <source>The untitled plan</source>
        <translation>Der unbenannte Plan</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 hat Änderungen, die nicht gespeichert sind. Speichern?</translation>
    </message>
    <message>
        <source>Reference plan refused</source>
        <translation>Referenzplan abgelehnt</translation>
    </message>
    <message>
        <source>Comparing with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>Open reference plan</source>
        <translation>Referenzplan öffnen</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
</context>
<context>
    <name>VelmarisEditor::ObjectListModel</name>
    <message>
        <source>%1, id %2</source>
        <translation>%1, Nr. %2</translation>
    </message>
</context>
<context>
    <name>VelmarisEditor::ObjectReport</name>
    <message>
        <source>not in the reference plan</source>
        <translation>nicht im Referenzplan</translation>
    </message>
    <message>
        <source>the reference plan has %1</source>
        <translation>im Referenzplan %1</translation>
    </message>
    <message>
        <source>changed by the user</source>
        <translation>vom Benutzer geändert</translation>
    </message>
    <message>
        <source>needs attention</source>
        <translation>erfordert Aufmerksamkeit</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
</context>
</TS>
