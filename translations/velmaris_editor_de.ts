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
    <name>VelmarisEditor::BackgroundWork</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <source>Showing properties: %p%</source>
        <translation>Eigenschaften werden angezeigt: %p%</translation>
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
    <message numerus="yes">
        <source>%1[*] - %n objects - Velmaris process plan editor</source>
        <translation>
            <numerusform>%1[*] - %n Objekt - Velmaris Arbeitsplan-Editor</numerusform>
            <numerusform>%1[*] - %n Objekte - Velmaris Arbeitsplan-Editor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n chosen objects share no property</source>
        <translation>
            <numerusform>Das %n gewählte Objekt hat keine Eigenschaft</numerusform>
            <numerusform>Die %n gewählten Objekte haben keine Eigenschaft gemeinsam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n objects selected</source>
        <translation>
            <numerusform>%n Objekt ausgewählt</numerusform>
            <numerusform>%n Objekte ausgewählt</numerusform>
        </translation>
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
    <message>
        <source>%1 was changed by another program; saving will ask before overwriting it</source>
        <translation>%1 wurde von einem anderen Programm geändert; beim Speichern wird vor dem Überschreiben gefragt</translation>
    </message>
    <message>
        <source>File changed</source>
        <translation>Datei geändert</translation>
    </message>
    <message>
        <source>%1 was changed by another program. Reload it?</source>
        <translation>%1 wurde von einem anderen Programm geändert. Neu laden?</translation>
    </message>
    <message>
        <source>Reloaded %1</source>
        <translation>%1 neu geladen</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or last saved. Overwrite those changes with this plan?</source>
        <translation>%1 wurde seit dem Öffnen oder letzten Speichern von einem anderen Programm geändert. Diese Änderungen mit diesem Plan überschreiben?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>Read-only file</source>
        <translation>Schreibgeschützte Datei</translation>
    </message>
    <message>
        <source>%1 is read-only and was not replaced. Save the plan under another name?</source>
        <translation>%1 ist schreibgeschützt und wurde nicht ersetzt. Den Plan unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>The plan was not saved; the file is as it was. Save it under another name?</source>
        <translation>Der Plan wurde nicht gespeichert; die Datei ist unverändert. Unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>Opening %1</source>
        <translation>%1 wird geöffnet</translation>
    </message>
    <message>
        <source>Opening %1 was cancelled</source>
        <translation>Öffnen von %1 abgebrochen</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>%1 wird gespeichert</translation>
    </message>
</context>
<context>
    <name>VelmarisEditor::ObjectListModel</name>
    <message>
        <source>%1, id %2</source>
        <translation>%1, Nr. %2</translation>
    </message>
</context>
</TS>
