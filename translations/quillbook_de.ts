<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AutoBackup</name>
    <message>
        <source>no folder is chosen for automatic backups</source>
        <translation>für automatische Sicherungen ist kein Ordner gewählt</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>BackgroundWork</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Back Up Journal</source>
        <translation>Journal sichern</translation>
    </message>
    <message>
        <source>Copy to</source>
        <translation>Kopieren nach</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Copy to:</source>
        <translation>Kopieren nach:</translation>
    </message>
    <message>
        <source>Automatic backups</source>
        <translation>Automatische Sicherungen</translation>
    </message>
    <message>
        <source>Back up each journal when it is opened</source>
        <translation>Jedes Journal beim Öffnen sichern</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source> copies of each journal</source>
        <translation> Kopien jedes Journals</translation>
    </message>
    <message>
        <source>Keep the last:</source>
        <translation>Die letzten behalten:</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Quillbook journals (*.qbk)</source>
        <translation>Quillbook-Journale (*.qbk)</translation>
    </message>
    <message>
        <source>Folder for Automatic Backups</source>
        <translation>Ordner für automatische Sicherungen</translation>
    </message>
    <message>
        <source>Choose the folder for automatic backups.</source>
        <translation>Wählen Sie den Ordner für automatische Sicherungen.</translation>
    </message>
</context>
<context>
    <name>BrowserMessages</name>
    <message>
        <source>No Journal Open</source>
        <translation>Kein Journal geöffnet</translation>
    </message>
    <message>
        <source>Do you really want to move the folder?</source>
        <translation>Möchten Sie den Ordner wirklich verschieben?</translation>
    </message>
    <message>
        <source>Do you really want to move the entry to a new folder?</source>
        <translation>Möchten Sie den Eintrag wirklich in einen anderen Ordner verschieben?</translation>
    </message>
    <message>
        <source>Do you really want to delete this entry?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this topic from the journal?</source>
        <translation>Möchten Sie dieses Thema wirklich aus dem Journal löschen?</translation>
    </message>
    <message>
        <source>No entry is selected.</source>
        <translation>Kein Eintrag ausgewählt.</translation>
    </message>
    <message>
        <source>Loading large entry...</source>
        <translation>Großer Eintrag wird geladen...</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Quillbook</source>
        <translation>Über Quillbook</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CChangeDateDlg</name>
    <message>
        <source>Change Entry Date</source>
        <translation>Eintragsdatum ändern</translation>
    </message>
    <message>
        <source>Entry time</source>
        <translation>Uhrzeit des Eintrags</translation>
    </message>
    <message>
        <source>Entry &amp;Date:</source>
        <translation>Eintrags&amp;datum:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CChangePasswordDlg</name>
    <message>
        <source>Old password</source>
        <translation>Altes Kennwort</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Neues Kennwort bestätigen</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Kennwort</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Kennwort ändern</translation>
    </message>
    <message>
        <source>New password (leave blank to remove password)</source>
        <translation>Neues Kennwort (leer lassen, um das Kennwort zu entfernen)</translation>
    </message>
    <message>
        <source>Set Password</source>
        <translation>Kennwort festlegen</translation>
    </message>
</context>
<context>
    <name>CCommentDlg</name>
    <message>
        <source>Always prompt for a comment when saving a new entry</source>
        <translation>Beim Speichern eines neuen Eintrags immer nach einem Kommentar fragen</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Type a comment for this entry</source>
        <translation>Geben Sie einen Kommentar zu diesem Eintrag ein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CCustomPrintDialog</name>
    <message>
        <source>Include</source>
        <translation>Einschließen</translation>
    </message>
    <message>
        <source>Date/Time Header</source>
        <translation>Kopfzeile mit Datum/Uhrzeit</translation>
    </message>
</context>
<context>
    <name>CEntryListView</name>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
</context>
<context>
    <name>CEntryTopicsDlg</name>
    <message>
        <source>Entry Topics</source>
        <translation>Themen des Eintrags</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alle aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Unselect All</source>
        <translation>Auswahl auf&amp;heben</translation>
    </message>
    <message>
        <source>Master Topic List...</source>
        <translation>Themenliste...</translation>
    </message>
</context>
<context>
    <name>CEntryView</name>
    <message>
        <source>Entry text</source>
        <translation>Eintragstext</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>CFolderListView</name>
    <message>
        <source>Folder List</source>
        <translation>Ordnerliste</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>CFormatBar</name>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Aufzählungszeichen</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Nummerierung</translation>
    </message>
    <message>
        <source>Decrease Indent</source>
        <translation>Einzug verkleinern</translation>
    </message>
    <message>
        <source>Increase Indent</source>
        <translation>Einzug vergrößern</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Hervorheben</translation>
    </message>
    <message>
        <source>Clear Formatting</source>
        <translation>Formatierung entfernen</translation>
    </message>
    <message>
        <source>Format Bar</source>
        <translation>Formatleiste</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
</context>
<context>
    <name>CJournalApp</name>
    <message>
        <source>%1
This file cannot be opened.</source>
        <translation>%1
Diese Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
</context>
<context>
    <name>CMasterTopicsDlg</name>
    <message>
        <source>Edit Master Topic List</source>
        <translation>Themenliste bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>CNewJournalDlg</name>
    <message>
        <source>Always prompt for comment when saving a new entry.</source>
        <translation>Beim Speichern eines neuen Eintrags immer nach einem Kommentar fragen.</translation>
    </message>
    <message>
        <source>For entries with no comment, show entry text in list.</source>
        <translation>Bei Einträgen ohne Kommentar den Eintragstext in der Liste zeigen.</translation>
    </message>
    <message>
        <source>Password Protected</source>
        <translation>Kennwortgeschützt</translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation>Zeichen anzeigen</translation>
    </message>
    <message>
        <source>Change/Browse...</source>
        <translation>Ändern/Durchsuchen...</translation>
    </message>
    <message>
        <source>New Journal</source>
        <translation>Neues Journal</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Owner</source>
        <translation>&amp;Besitzer</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Kennwort</translation>
    </message>
    <message>
        <source>Confirm new password</source>
        <translation>Neues Kennwort bestätigen</translation>
    </message>
    <message>
        <source>All of the above settings can be changed at anytime in the Options or Password dialog</source>
        <translation>Alle obigen Einstellungen lassen sich jederzeit im Dialog „Journal-Optionen“ oder „Kennwort“ ändern</translation>
    </message>
    <message>
        <source>Entry Comments</source>
        <translation>Kommentare zu Einträgen</translation>
    </message>
    <message>
        <source>Entry Dates</source>
        <translation>Datum der Einträge</translation>
    </message>
    <message>
        <source>Entry Editor</source>
        <translation>Eintragseditor</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Path\Filename</source>
        <translation>Pfad\Dateiname</translation>
    </message>
    <message>
        <source>Create Journal...</source>
        <translation>Journal erstellen...</translation>
    </message>
    <message>
        <source>Create New Journal As</source>
        <translation>Neues Journal erstellen als</translation>
    </message>
    <message>
        <source>Journal files (*.qbk)</source>
        <translation>Journal-Dateien (*.qbk)</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Prompt for comment when saving a new entry</source>
        <translation>Beim Speichern eines neuen Eintrags nach einem Kommentar fragen</translation>
    </message>
    <message>
        <source>For entries with no comment, show entry text in listing</source>
        <translation>Bei Einträgen ohne Kommentar den Eintragstext in der Liste zeigen</translation>
    </message>
    <message>
        <source>Confirm before moving entries between folders</source>
        <translation>Vor dem Verschieben von Einträgen zwischen Ordnern nachfragen</translation>
    </message>
    <message>
        <source>Confirm before moving folders</source>
        <translation>Vor dem Verschieben von Ordnern nachfragen</translation>
    </message>
    <message>
        <source>Journal Options</source>
        <translation>Journal-Optionen</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Owner</source>
        <translation>&amp;Besitzer</translation>
    </message>
    <message>
        <source>Entry Dates/Times</source>
        <translation>Datum/Uhrzeit der Einträge</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Entries and Folders</source>
        <translation>Einträge und Ordner</translation>
    </message>
    <message>
        <source>Entry Editor</source>
        <translation>Eintragseditor</translation>
    </message>
    <message>
        <source>Journal File Location (Read Only)</source>
        <translation>Speicherort der Journal-Datei (schreibgeschützt)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Kennwort:</translation>
    </message>
    <message>
        <source>This journal is password protected.</source>
        <translation>Dieses Journal ist kennwortgeschützt.</translation>
    </message>
</context>
<context>
    <name>CPreviewPane</name>
    <message>
        <source>Entry preview</source>
        <translation>Eintragsvorschau</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Topics:</source>
        <translation>Themen:</translation>
    </message>
</context>
<context>
    <name>CPrintJournalDlg</name>
    <message>
        <source>Print Journal</source>
        <translation>Journal drucken</translation>
    </message>
    <message>
        <source>Print Selected Entry</source>
        <translation>Ausgewählten Eintrag drucken</translation>
    </message>
    <message>
        <source>Print All Entries</source>
        <translation>Alle Einträge drucken</translation>
    </message>
    <message>
        <source>Print All Entries in Current Folder</source>
        <translation>Alle Einträge im aktuellen Ordner drucken</translation>
    </message>
    <message>
        <source>Only Print Entries</source>
        <translation>Nur Einträge drucken</translation>
    </message>
    <message>
        <source>Between</source>
        <translation>Zwischen</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>UND</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>One entry after another</source>
        <translation>Ein Eintrag nach dem anderen</translation>
    </message>
    <message>
        <source>Page numbers and title</source>
        <translation>Seitenzahlen und Titel</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
</context>
<context>
    <name>CQBKView</name>
    <message>
        <source>Topics: %1</source>
        <translation>Themen: %1</translation>
    </message>
</context>
<context>
    <name>CSearchDlg</name>
    <message>
        <source>&amp;Case</source>
        <translation>&amp;Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>&amp;Whole Word</source>
        <translation>Nur ganzes &amp;Wort</translation>
    </message>
    <message>
        <source>Entry &amp;Text</source>
        <translation>&amp;Eintragstext</translation>
    </message>
    <message>
        <source>&amp;Comments</source>
        <translation>&amp;Kommentare</translation>
    </message>
    <message>
        <source>&amp;All Entries</source>
        <translation>&amp;Alle Einträge</translation>
    </message>
    <message>
        <source>Entries &amp;Between:</source>
        <translation>Einträge &amp;zwischen:</translation>
    </message>
    <message>
        <source>&amp;Topics...</source>
        <translation>&amp;Themen...</translation>
    </message>
    <message>
        <source>Find entries with:</source>
        <translation>Einträge finden mit:</translation>
    </message>
    <message>
        <source>At least one of these topics</source>
        <translation>Mindestens einem dieser Themen</translation>
    </message>
    <message>
        <source>All of these topics</source>
        <translation>Allen diesen Themen</translation>
    </message>
    <message>
        <source>Begin &amp;Search</source>
        <translation>&amp;Suche starten</translation>
    </message>
    <message>
        <source>Search Journal</source>
        <translation>Journal durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Find Entries With Text:</source>
        <translation>Einträge &amp;finden mit Text:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Übereinstimmung</translation>
    </message>
    <message>
        <source>Look In</source>
        <translation>Suchen in</translation>
    </message>
    <message>
        <source>Date Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Entries found</source>
        <translation>Gefundene Einträge</translation>
    </message>
    <message>
        <source>Searching the journal...</source>
        <translation>Das Journal wird durchsucht...</translation>
    </message>
    <message>
        <source>The search was cancelled; no entry is marked anew.</source>
        <translation>Die Suche wurde abgebrochen; kein Eintrag wird neu markiert.</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>A journal of your days, kept safe.</source>
        <translation>Ein Journal Ihrer Tage, sicher verwahrt.</translation>
    </message>
    <message>
        <source>Copyright Orrinvale. All rights reserved.</source>
        <translation>Copyright Orrinvale. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CTopicListView</name>
    <message>
        <source>Topic List</source>
        <translation>Themenliste</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
</context>
<context>
    <name>CWelcomeDlg</name>
    <message>
        <source>Open the last journal instead</source>
        <translation>Stattdessen letztes Journal öffnen</translation>
    </message>
    <message>
        <source>Welcome to Quillbook</source>
        <translation>Willkommen bei Quillbook</translation>
    </message>
    <message>
        <source>What would you like to do? Start a journal, or pick up where you left off.</source>
        <translation>Was möchten Sie tun? Neu beginnen oder weiterschreiben.</translation>
    </message>
    <message>
        <source>Welcome to</source>
        <translation>Willkommen bei</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Show this dialog at start-up</source>
        <translation>Dialog beim Start anzeigen</translation>
    </message>
    <message>
        <source>Start a journal, or pick up where you left off.</source>
        <translation>Neu beginnen oder weiterschreiben.</translation>
    </message>
    <message>
        <source>Create a New Journal</source>
        <translation>Neues Journal erstellen</translation>
    </message>
    <message>
        <source>Open an Existing Journal</source>
        <translation>Vorhandenes Journal öffnen</translation>
    </message>
    <message>
        <source>Open The Last Journal You Worked On</source>
        <translation>Zuletzt bearbeitetes Journal öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>Entries of %1</source>
        <translation>Einträge: %1</translation>
    </message>
    <message>
        <source>Entries of week %1 (%2 to %3)</source>
        <translation>Einträge der Woche %1 (%2 bis %3)</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>1 year ago</source>
        <translation>vor 1 Jahr</translation>
    </message>
    <message>
        <source>%1 years ago</source>
        <translation>vor %1 Jahren</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
</context>
<context>
    <name>CalendarPane</name>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Vorheriger Monat (Bild auf)</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Nächster Monat (Bild ab)</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Today (Ctrl+T)</source>
        <translation>Heute (Strg+T)</translation>
    </message>
    <message>
        <source>List the entries of this month</source>
        <translation>Die Einträge dieses Monats auflisten</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>An diesem Tag</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>CaptionBar</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Show the folder pane</source>
        <translation>Den Ordnerbereich anzeigen</translation>
    </message>
</context>
<context>
    <name>CommandPrompts</name>
    <message>
        <source>Only an empty folder without subfolders can be deleted.</source>
        <translation>Nur ein leerer Ordner ohne Unterordner kann gelöscht werden.</translation>
    </message>
    <message>
        <source>New Journal Entry
New Entry</source>
        <translation>Neuer Journaleintrag
Neuer Eintrag</translation>
    </message>
    <message>
        <source>Add a new folder to hold journal entries
Add a New Folder</source>
        <translation>Einen neuen Ordner für Journaleinträge anlegen
Neuen Ordner anlegen</translation>
    </message>
    <message>
        <source>Open the selected entry
Open Entry</source>
        <translation>Den ausgewählten Eintrag öffnen
Eintrag öffnen</translation>
    </message>
    <message>
        <source>Delete Selected Entry
Delete Selected Entry</source>
        <translation>Ausgewählten Eintrag löschen
Ausgewählten Eintrag löschen</translation>
    </message>
    <message>
        <source>Move the selected entries or folder to another folder
Move to Folder</source>
        <translation>Die ausgewählten Einträge oder den Ordner in einen anderen Ordner verschieben
In Ordner verschieben</translation>
    </message>
    <message>
        <source>Rename Selected Folder
Rename Selected Folder</source>
        <translation>Ausgewählten Ordner umbenennen
Ausgewählten Ordner umbenennen</translation>
    </message>
    <message>
        <source>Rename Selected Topic
Rename Selected Topic</source>
        <translation>Ausgewähltes Thema umbenennen
Ausgewähltes Thema umbenennen</translation>
    </message>
    <message>
        <source>Close the journal
Close Journal</source>
        <translation>Das Journal schließen
Journal schließen</translation>
    </message>
    <message>
        <source>Print Journal Entries
Print Journal Entries</source>
        <translation>Journaleinträge drucken
Journaleinträge drucken</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>Die Druckeinstellungen ändern
Seite einrichten</translation>
    </message>
    <message>
        <source>Set preferences and properties for the currently open journal
Journal Options</source>
        <translation>Einstellungen und Eigenschaften des geöffneten Journals festlegen
Journal-Optionen</translation>
    </message>
    <message>
        <source>Change the journal password
Change Password</source>
        <translation>Das Kennwort des Journals ändern
Kennwort ändern</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt nach dem Speichern von Dokumenten
Beenden</translation>
    </message>
    <message>
        <source>Select topics for this entry
Select Topics</source>
        <translation>Themen für diesen Eintrag auswählen
Themen auswählen</translation>
    </message>
    <message>
        <source>Show / hide preview pane
Preview Pane</source>
        <translation>Vorschaubereich ein-/ausblenden
Vorschaubereich</translation>
    </message>
    <message>
        <source>Show / hide folders pane
Folder Pane</source>
        <translation>Ordnerbereich ein-/ausblenden
Ordnerbereich</translation>
    </message>
    <message>
        <source>Show / hide topics pane
Topic Pane</source>
        <translation>Themenbereich ein-/ausblenden
Themenbereich</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Search for entries containing specific text
Search Entries</source>
        <translation>Nach Einträgen mit einem bestimmten Text suchen
Einträge suchen</translation>
    </message>
    <message>
        <source>Show / hide the calendar
Calendar</source>
        <translation>Kalender ein-/ausblenden
Kalender</translation>
    </message>
    <message>
        <source>Show today in the calendar and list its entries
Today</source>
        <translation>Heute im Kalender zeigen und seine Einträge auflisten
Heute</translation>
    </message>
    <message>
        <source>Count entries, words and days written, with charts
Statistics</source>
        <translation>Einträge, Wörter und Schreibtage zählen, mit Diagrammen
Statistik</translation>
    </message>
    <message>
        <source>Open the support web page</source>
        <translation>Die Support-Webseite öffnen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Set the text color
Text Color</source>
        <translation>Die Textfarbe festlegen
Textfarbe</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
</context>
<context>
    <name>ConfirmReplace</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>DamageMessages</name>
    <message>
        <source>Use Rescue Journal... on the File menu to save everything that can still be read into a new journal.</source>
        <translation>Mit „Journal retten...“ im Menü „Datei“ lässt sich alles, was noch lesbar ist, in ein neues Journal sichern.</translation>
    </message>
    <message>
        <source>The journal file is damaged: part of it cannot be read, so what it shows may be incomplete.
It is open for reading only, so that nothing more is lost.</source>
        <translation>Die Journaldatei ist beschädigt: Ein Teil davon kann nicht gelesen werden, daher ist das Angezeigte womöglich unvollständig.
Sie ist nur zum Lesen geöffnet, damit nichts weiter verloren geht.</translation>
    </message>
    <message>
        <source>The journal file is damaged: part of it cannot be read.
From now on it is open for reading only, so that nothing more is lost.</source>
        <translation>Die Journaldatei ist beschädigt: Ein Teil davon kann nicht gelesen werden.
Ab jetzt ist sie nur zum Lesen geöffnet, damit nichts weiter verloren geht.</translation>
    </message>
    <message>
        <source>The journal file is damaged, so this could not be done: part of it cannot be read, and nothing is written to it while it is open.</source>
        <translation>Die Journaldatei ist beschädigt, daher war das nicht möglich: Ein Teil davon kann nicht gelesen werden, und solange sie geöffnet ist, wird nichts in sie geschrieben.</translation>
    </message>
    <message>
        <source>Damaged: read only</source>
        <translation>Beschädigt: schreibgeschützt</translation>
    </message>
    <message>
        <source>Read only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Open Journal</source>
        <translation>Journal öffnen</translation>
    </message>
    <message>
        <source>Checking the journal file...</source>
        <translation>Die Journaldatei wird geprüft...</translation>
    </message>
</context>
<context>
    <name>DateDisplay</name>
    <message>
        <source>In my language</source>
        <translation>In meiner Sprache</translation>
    </message>
    <message>
        <source>ISO 8601 (2004-07-05)</source>
        <translation>ISO 8601 (2004-07-05)</translation>
    </message>
    <message>
        <source>As the journal says</source>
        <translation>Wie im Journal festgelegt</translation>
    </message>
    <message>
        <source>On This Computer</source>
        <translation>Auf diesem Computer</translation>
    </message>
    <message>
        <source>&amp;Show dates:</source>
        <translation>Datum &amp;anzeigen:</translation>
    </message>
</context>
<context>
    <name>DialogChecks</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>You didn&apos;t enter a password</source>
        <translation>Sie haben kein Kennwort eingegeben</translation>
    </message>
    <message>
        <source>The passwords you entered did not match</source>
        <translation>Die eingegebenen Kennwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>The new password does not match the password you entered to confirm it.
 Please Re-enter</source>
        <translation>Das neue Kennwort stimmt nicht mit dem zur Bestätigung eingegebenen Kennwort überein.
 Bitte erneut eingeben</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>The text is in &quot;%1&quot;, which is not installed; it is shown in &quot;%2&quot; and keeps its face unless you choose another.</source>
        <translation>Der Text ist in „%1“ gesetzt, die nicht installiert ist; er wird in „%2“ angezeigt und behält seine Schriftart, solange Sie keine andere wählen.</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>Replaced 1 occurrence.</source>
        <translation>1 Vorkommen ersetzt.</translation>
    </message>
    <message>
        <source>Replaced %1 occurrences.</source>
        <translation>%1 Vorkommen ersetzt.</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Hervorhebungsfarbe</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>The picture is %1 MB; pictures up to %2 MB can be put in an entry. Save it smaller in a picture editor and insert it again.</source>
        <translation>Das Bild ist %1 MB groß; in einen Eintrag passen Bilder bis %2 MB. Speichern Sie es in einem Bildbearbeitungsprogramm kleiner und fügen Sie es erneut ein.</translation>
    </message>
    <message>
        <source>The picture is %1 x %2 pixels; pictures up to %3 pixels a side and %4 million pixels in all can be put in an entry. Make it smaller in a picture editor and insert it again.</source>
        <translation>Das Bild hat %1 x %2 Pixel; in einen Eintrag passen Bilder bis %3 Pixel Seitenlänge und insgesamt %4 Millionen Pixel. Verkleinern Sie es in einem Bildbearbeitungsprogramm und fügen Sie es erneut ein.</translation>
    </message>
    <message>
        <source>The picture is empty.</source>
        <translation>Das Bild ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture that can be read (PNG, JPEG, GIF, BMP and the other common formats can).</source>
        <translation>„%1“ ist kein lesbares Bild (lesbar sind PNG, JPEG, GIF, BMP und die anderen gängigen Formate).</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.tif *.tiff);;All files (*)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.tif *.tiff);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>&amp;Width (pixels):</source>
        <translation>&amp;Breite (Pixel):</translation>
    </message>
    <message>
        <source>&amp;Height (pixels):</source>
        <translation>&amp;Höhe (Pixel):</translation>
    </message>
    <message>
        <source>&amp;Keep proportions</source>
        <translation>&amp;Seitenverhältnis beibehalten</translation>
    </message>
</context>
<context>
    <name>EditorMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Entry</source>
        <translation>Eintrag &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Page Set&amp;up</source>
        <translation>Seite &amp;einrichten</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Themen</translation>
    </message>
    <message>
        <source>Use as Te&amp;mplate for New Entries</source>
        <translation>Als &amp;Vorlage für neue Einträge verwenden</translation>
    </message>
    <message>
        <source>Clear Template for New Entries</source>
        <translation>Vorlage für neue Einträge entfernen</translation>
    </message>
    <message>
        <source>&amp;Close Entry</source>
        <translation>Eintrag s&amp;chließen</translation>
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
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Paste as Plain Te&amp;xt</source>
        <translation>Als reinen &amp;Text einfügen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select A&amp;ll</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>F&amp;ind Next</source>
        <translation>Weitersuc&amp;hen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Vorheriges suchen</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>&amp;Ersetzen...</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Schriftart...</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>F&amp;ett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>&amp;Strikethrough</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>Su&amp;perscript</source>
        <translation>Hoch&amp;gestellt</translation>
    </message>
    <message>
        <source>Subs&amp;cript</source>
        <translation>&amp;Tiefgestellt</translation>
    </message>
    <message>
        <source>Bull&amp;ets</source>
        <translation>&amp;Aufzählungszeichen</translation>
    </message>
    <message>
        <source>&amp;Numbering</source>
        <translation>&amp;Nummerierung</translation>
    </message>
    <message>
        <source>Increase In&amp;dent</source>
        <translation>Einzug &amp;vergrößern</translation>
    </message>
    <message>
        <source>Decrease Inden&amp;t</source>
        <translation>Einzug ve&amp;rkleinern</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <translation>&amp;Hervorheben</translation>
    </message>
    <message>
        <source>Highlight Colo&amp;r...</source>
        <translation>Hervorhebungs&amp;farbe...</translation>
    </message>
    <message>
        <source>Clear F&amp;ormatting</source>
        <translation>F&amp;ormatierung entfernen</translation>
    </message>
    <message>
        <source>&amp;Link...</source>
        <translation>&amp;Link...</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Picture...</source>
        <translation>&amp;Bild...</translation>
    </message>
    <message>
        <source>Picture &amp;Size...</source>
        <translation>Bild&amp;größe...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Format Bar</source>
        <translation>&amp;Formatleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Check Spelling...</source>
        <translation>Rechtschreibung prüfen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Inhalt...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Spell</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>EditorMessages</name>
    <message>
        <source>New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Do you want to save your recent changes to this entry?</source>
        <translation>Möchten Sie Ihre letzten Änderungen an diesem Eintrag speichern?</translation>
    </message>
    <message>
        <source>This entry is no longer in the journal: it was deleted, or changed by another program, so your changes were not saved.

Do you want to save the text as a new entry?</source>
        <translation>Dieser Eintrag ist nicht mehr im Journal: Er wurde gelöscht oder von einem anderen Programm geändert, daher wurden Ihre Änderungen nicht gespeichert.

Möchten Sie den Text als neuen Eintrag speichern?</translation>
    </message>
    <message>
        <source>This entry was changed by another program after you opened it, so your changes were not saved yet.

Yes: replace the stored text with yours (the other program&apos;s changes are lost).
No: save your text as a new entry and keep the stored one.
Cancel: go back to the editor.</source>
        <translation>Dieser Eintrag wurde von einem anderen Programm geändert, nachdem Sie ihn geöffnet haben, daher wurden Ihre Änderungen noch nicht gespeichert.

Ja: den gespeicherten Text durch Ihren ersetzen (die Änderungen des anderen Programms gehen verloren).
Nein: Ihren Text als neuen Eintrag speichern und den gespeicherten behalten.
Abbrechen: zurück zum Editor.</translation>
    </message>
    <message>
        <source>The journal this entry belongs to is no longer open, so the entry cannot be saved.</source>
        <translation>Das Journal, zu dem dieser Eintrag gehört, ist nicht mehr geöffnet, daher kann der Eintrag nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Loading large entry...</source>
        <translation>Großer Eintrag wird geladen...</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>„%1“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>EditorWindowRules</name>
    <message>
        <source>1 word</source>
        <translation>1 Wort</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
    <message>
        <source>1 character</source>
        <translation>1 Zeichen</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 Zeichen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>EntryFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font style</source>
        <translation>Schriftschnitt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>EntryListModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>In Folder</source>
        <translation>Im Ordner</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
</context>
<context>
    <name>EntrySelection</name>
    <message numerus="yes">
        <source>Delete these %n entries?</source>
        <translation>
            <numerusform>Diesen %n Eintrag löschen?</numerusform>
            <numerusform>Diese %n Einträge löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Do you really want to move these %n entries to a new folder?</source>
        <translation>
            <numerusform>Möchten Sie diesen %n Eintrag wirklich in einen anderen Ordner verschieben?</numerusform>
            <numerusform>Möchten Sie diese %n Einträge wirklich in einen anderen Ordner verschieben?</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries are filed in folders, not at the top of the journal. Choose a folder.</source>
        <translation>Einträge werden in Ordnern abgelegt, nicht auf der obersten Ebene des Journals. Wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <source>Move the entry to this folder:</source>
        <translation>Eintrag in diesen Ordner verschieben:</translation>
    </message>
    <message numerus="yes">
        <source>Move %n entries to this folder:</source>
        <translation>
            <numerusform>%n Eintrag in diesen Ordner verschieben:</numerusform>
            <numerusform>%n Einträge in diesen Ordner verschieben:</numerusform>
        </translation>
    </message>
    <message>
        <source>Move the folder, with everything in it, into this folder:</source>
        <translation>Ordner mit seinem gesamten Inhalt in diesen Ordner verschieben:</translation>
    </message>
    <message>
        <source>A folder cannot be moved into itself or into a folder inside it.</source>
        <translation>Ein Ordner kann nicht in sich selbst oder in einen seiner Unterordner verschoben werden.</translation>
    </message>
</context>
<context>
    <name>EntryValueCheck</name>
    <message>
        <source>has no time stamp</source>
        <translation>hat keinen Zeitstempel</translation>
    </message>
    <message>
        <source>time stamp &quot;%1&quot; does not parse</source>
        <translation>Zeitstempel „%1“ ist ungültig</translation>
    </message>
    <message>
        <source>does not decode</source>
        <translation>lässt sich nicht dekodieren</translation>
    </message>
    <message>
        <source>is cut short (%1 bytes, not whole cipher blocks)</source>
        <translation>ist abgeschnitten (%1 Bytes, keine ganzen Chiffrierblöcke)</translation>
    </message>
    <message>
        <source>RTF closes a group it never opened</source>
        <translation>RTF schließt eine Gruppe, die nie geöffnet wurde</translation>
    </message>
    <message>
        <source>RTF ends inside an open group (cut short)</source>
        <translation>RTF endet in einer offenen Gruppe (abgeschnitten)</translation>
    </message>
    <message>
        <source>does not decipher to RTF</source>
        <translation>ergibt entschlüsselt kein RTF</translation>
    </message>
    <message>
        <source>RTF does not read back unchanged after saving</source>
        <translation>RTF liest sich nach dem Speichern nicht unverändert zurück</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>this program cannot write PDF files</source>
        <translation>dieses Programm kann keine PDF-Dateien schreiben</translation>
    </message>
    <message>
        <source>no entry matches the choice</source>
        <translation>kein Eintrag entspricht der Auswahl</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Web page (HTML)</source>
        <translation>Webseite (HTML)</translation>
    </message>
    <message>
        <source>Markdown</source>
        <translation>Markdown</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Reiner Text</translation>
    </message>
    <message>
        <source>OpenDocument text (ODT)</source>
        <translation>OpenDocument-Text (ODT)</translation>
    </message>
    <message>
        <source>PDF (as printed)</source>
        <translation>PDF (wie gedruckt)</translation>
    </message>
    <message>
        <source>Export Journal</source>
        <translation>Journal exportieren</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Export Selected Entry</source>
        <translation>Ausgewählten Eintrag exportieren</translation>
    </message>
    <message>
        <source>Export All Entries</source>
        <translation>Alle Einträge exportieren</translation>
    </message>
    <message>
        <source>Export All Entries in Current Folder</source>
        <translation>Alle Einträge im aktuellen Ordner exportieren</translation>
    </message>
    <message>
        <source>Between</source>
        <translation>Zwischen</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>UND</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>One file per entry, named by its date</source>
        <translation>Eine Datei je Eintrag, nach seinem Datum benannt</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export to Folder</source>
        <translation>In Ordner exportieren</translation>
    </message>
</context>
<context>
    <name>ExportDialogValues</name>
    <message>
        <source>Choose the folder to write the files in.</source>
        <translation>Wählen Sie den Ordner, in den die Dateien geschrieben werden.</translation>
    </message>
    <message>
        <source>Choose the file to write.</source>
        <translation>Wählen Sie die Datei, die geschrieben wird.</translation>
    </message>
    <message>
        <source>No entry is selected.</source>
        <translation>Kein Eintrag ausgewählt.</translation>
    </message>
    <message>
        <source>No entries are selected.</source>
        <translation>Keine Einträge ausgewählt.</translation>
    </message>
    <message>
        <source>No folder is selected.</source>
        <translation>Kein Ordner ausgewählt.</translation>
    </message>
    <message>
        <source>The first day is after the last day.</source>
        <translation>Der erste Tag liegt nach dem letzten Tag.</translation>
    </message>
    <message numerus="yes">
        <source>Export the %n Selected Entries</source>
        <translation>
            <numerusform>Den %n ausgewählten Eintrag exportieren</numerusform>
            <numerusform>Die %n ausgewählten Einträge exportieren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportWriter</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
<context>
    <name>FindReplaceDialog</name>
    <message>
        <source>Re&amp;place with:</source>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Nur ganzes W&amp;ort suchen</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>E&amp;rsetzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>FixedToolBar</name>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
</context>
<context>
    <name>FolderPickerDlg</name>
    <message>
        <source>(top level)</source>
        <translation>(oberste Ebene)</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FolderTreeData</name>
    <message>
        <source>%1 (all entries)</source>
        <translation>%1 (alle Einträge)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Welcome to Quillbook</source>
        <translation>Willkommen bei Quillbook</translation>
    </message>
    <message>
        <source>Journals</source>
        <translation>Journale</translation>
    </message>
    <message>
        <source>Folders and entries</source>
        <translation>Ordner und Einträge</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Kennwörter</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The main window</source>
        <translation>Das Hauptfenster</translation>
    </message>
    <message>
        <source>Quillbook Help</source>
        <translation>Quillbook-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>RedNotebook data folder</source>
        <translation>RedNotebook-Datenordner</translation>
    </message>
    <message>
        <source>Folder of Markdown or text files</source>
        <translation>Ordner mit Markdown- oder Textdateien</translation>
    </message>
    <message>
        <source>Another Quillbook journal</source>
        <translation>Ein anderes Quillbook-Journal</translation>
    </message>
    <message>
        <source>larger than %1 MB: not read</source>
        <translation>größer als %1 MB: nicht gelesen</translation>
    </message>
    <message>
        <source>not a text file (it holds binary data)</source>
        <translation>keine Textdatei (sie enthält Binärdaten)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>is not valid YAML: %1</source>
        <translation>ist kein gültiges YAML: %1</translation>
    </message>
    <message>
        <source>its front matter is not valid YAML: %1</source>
        <translation>der Vorspann ist kein gültiges YAML: %1</translation>
    </message>
    <message>
        <source>its front matter is not a list of names and values</source>
        <translation>der Vorspann ist keine Liste von Namen und Werten</translation>
    </message>
    <message>
        <source>is not a month of days (a mapping of day numbers)</source>
        <translation>ist kein Monat mit Tagen (eine Zuordnung von Tagesnummern)</translation>
    </message>
    <message>
        <source>day %1 is not a day of this month</source>
        <translation>Tag %1 ist kein Tag dieses Monats</translation>
    </message>
    <message>
        <source>folders nested deeper than %1 levels: not entered</source>
        <translation>Ordner tiefer als %1 Ebenen verschachtelt: nicht übernommen</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a date</source>
        <translation>das Datum „%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>already in the journal: skipped</source>
        <translation>bereits im Journal: übersprungen</translation>
    </message>
    <message>
        <source>the source folder does not exist</source>
        <translation>der Quellordner existiert nicht</translation>
    </message>
    <message>
        <source>nothing to import was found</source>
        <translation>es wurde nichts zum Importieren gefunden</translation>
    </message>
    <message>
        <source>the picture %1 is not there: kept as a link</source>
        <translation>das Bild %1 ist nicht vorhanden: als Link beibehalten</translation>
    </message>
    <message>
        <source>%1 entries imported, %2 skipped, %3 files could not be read</source>
        <translation>%1 Einträge importiert, %2 übersprungen, %3 Dateien konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>cancelled: the journal is as it was</source>
        <translation>abgebrochen: das Journal ist unverändert</translation>
    </message>
    <message>
        <source>its text or comment cannot be read: %1</source>
        <translation>sein Text oder Kommentar kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>the import failed, the journal is as it was: %1</source>
        <translation>der Import ist fehlgeschlagen, das Journal ist unverändert: %1</translation>
    </message>
    <message>
        <source>Import them into this journal?</source>
        <translation>In dieses Journal importieren?</translation>
    </message>
    <message>
        <source>A journal cannot be imported into itself.</source>
        <translation>Ein Journal kann nicht in sich selbst importiert werden.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Reading entries...</source>
        <translation>Einträge werden gelesen...</translation>
    </message>
    <message>
        <source>Importing entries...</source>
        <translation>Einträge werden importiert...</translation>
    </message>
    <message numerus="yes">
        <source>No entries found; %n files cannot be read.</source>
        <translation>
            <numerusform>Keine Einträge gefunden; %n Datei kann nicht gelesen werden.</numerusform>
            <numerusform>Keine Einträge gefunden; %n Dateien können nicht gelesen werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries from %1 to %2</source>
        <translation>
            <numerusform>%n Eintrag vom %1 bis %2</numerusform>
            <numerusform>%n Einträge vom %1 bis %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n files cannot be read</source>
        <translation>
            <numerusform>; %n Datei kann nicht gelesen werden</numerusform>
            <numerusform>; %n Dateien können nicht gelesen werden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportDlg</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>&amp;Import from:</source>
        <translation>&amp;Importieren aus:</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>(Top of the journal)</source>
        <translation>(Oberste Ebene des Journals)</translation>
    </message>
    <message>
        <source>Into &amp;folder:</source>
        <translation>In &amp;Ordner:</translation>
    </message>
    <message>
        <source>&amp;Tags and categories become topics</source>
        <translation>&amp;Tags und Kategorien werden zu Themen</translation>
    </message>
    <message>
        <source>Journals (*.qbk)</source>
        <translation>Journale (*.qbk)</translation>
    </message>
</context>
<context>
    <name>JournalBackup</name>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the copy does not check: %1</source>
        <translation>die Kopie besteht die Prüfung nicht: %1</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>cannot back up: %1</source>
        <translation>Sicherung nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>JournalCheck</name>
    <message>
        <source>the settings table has no row: not a journal</source>
        <translation>die Einstellungstabelle hat keine Zeile: kein Journal</translation>
    </message>
    <message>
        <source>integrity</source>
        <translation>Integrität</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>topic links</source>
        <translation>Themenverknüpfungen</translation>
    </message>
    <message>
        <source>folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>cannot check the %1: %2</source>
        <translation>%1 kann nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
    <message>
        <source>settings: the table has %1 rows instead of one</source>
        <translation>Einstellungen: die Tabelle hat %1 Zeilen statt einer</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>topic</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>%1: %2 rows without an id</source>
        <translation>%1: %2 Zeilen ohne ID</translation>
    </message>
    <message>
        <source>%1 %2: the id is used by %3 rows</source>
        <translation>%1 %2: die ID wird von %3 Zeilen verwendet</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>filed in folder %1, which does not exist</source>
        <translation>abgelegt im Ordner %1, der nicht existiert</translation>
    </message>
    <message>
        <source>the comment %1</source>
        <translation>der Kommentar %1</translation>
    </message>
    <message>
        <source>the text %1</source>
        <translation>der Text %1</translation>
    </message>
    <message>
        <source>topic link %1 -&gt; %2</source>
        <translation>Themenverknüpfung %1 -&gt; %2</translation>
    </message>
    <message>
        <source>the entry does not exist</source>
        <translation>der Eintrag existiert nicht</translation>
    </message>
    <message>
        <source>the topic does not exist</source>
        <translation>das Thema existiert nicht</translation>
    </message>
    <message>
        <source>stored %1 times</source>
        <translation>%1-mal gespeichert</translation>
    </message>
    <message>
        <source>topic links left by deleted entries, harmless: %1</source>
        <translation>Themenverknüpfungen gelöschter Einträge, harmlos: %1</translation>
    </message>
    <message>
        <source>folder %1 &quot;%2&quot;</source>
        <translation>Ordner %1 „%2“</translation>
    </message>
    <message>
        <source>its parent %1 does not exist</source>
        <translation>sein übergeordneter Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>folders %1: their parents form a cycle</source>
        <translation>Ordner %1: ihre übergeordneten Ordner bilden einen Kreis</translation>
    </message>
</context>
<context>
    <name>JournalExportCommands</name>
    <message>
        <source>Export Journal</source>
        <translation>Journal exportieren</translation>
    </message>
    <message>
        <source>The journal was not exported: %1.</source>
        <translation>Das Journal wurde nicht exportiert: %1.</translation>
    </message>
    <message>
        <source>the journal cannot be read</source>
        <translation>das Journal kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Exporting entries...</source>
        <translation>Einträge werden exportiert...</translation>
    </message>
    <message>
        <source>Back Up Journal</source>
        <translation>Journal sichern</translation>
    </message>
    <message>
        <source>Copying the journal...</source>
        <translation>Das Journal wird kopiert...</translation>
    </message>
    <message>
        <source> backup %1.qbk</source>
        <translation> Sicherung %1.qbk</translation>
    </message>
    <message>
        <source>The journal was not backed up: %1.</source>
        <translation>Das Journal wurde nicht gesichert: %1.</translation>
    </message>
    <message>
        <source>Automatic Backup</source>
        <translation>Automatische Sicherung</translation>
    </message>
    <message>
        <source>The automatic backup of %1 was not made: %2.
The journal is open as usual.</source>
        <translation>Die automatische Sicherung von %1 wurde nicht erstellt: %2.
Das Journal ist wie gewohnt geöffnet.</translation>
    </message>
</context>
<context>
    <name>JournalFileMessages</name>
    <message>
        <source>The journal file was deleted while it was open.</source>
        <translation>Die Journaldatei wurde gelöscht, während sie geöffnet war.</translation>
    </message>
    <message>
        <source>The journal file was moved or renamed while it was open.</source>
        <translation>Die Journaldatei wurde verschoben oder umbenannt, während sie geöffnet war.</translation>
    </message>
    <message>
        <source>The journal file was replaced by another file while it was open.</source>
        <translation>Die Journaldatei wurde durch eine andere Datei ersetzt, während sie geöffnet war.</translation>
    </message>
    <message>
        <source>
Nothing more can be saved to it, but everything in the journal is still open here.

Save the journal as... a file you choose, and go on working there?</source>
        <translation>
Es kann nichts mehr in ihr gespeichert werden, aber alles im Journal ist hier noch geöffnet.

Das Journal unter... einer Datei Ihrer Wahl speichern und dort weiterarbeiten?</translation>
    </message>
    <message>
        <source>
The change was not saved.</source>
        <translation>
Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The journal file was moved or renamed to %1 while it was open.

Go on working with it there?</source>
        <translation>Die Journaldatei wurde nach %1 verschoben oder umbenannt, während sie geöffnet war.

Dort mit ihr weiterarbeiten?</translation>
    </message>
    <message>
        <source>%1 exists already. A journal is saved as a new file only: choose another name.</source>
        <translation>%1 ist bereits vorhanden. Ein Journal wird nur als neue Datei gespeichert: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The journal could not be saved as %1.
%2</source>
        <translation>Das Journal konnte nicht als %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>The folder this entry was to be filed in is no longer in the journal: another program has deleted it.
Choose the folder to file the entry in.</source>
        <translation>Der Ordner, in dem dieser Eintrag abgelegt werden sollte, ist nicht mehr im Journal: Ein anderes Programm hat ihn gelöscht.
Wählen Sie den Ordner, in dem der Eintrag abgelegt werden soll.</translation>
    </message>
</context>
<context>
    <name>JournalMessages</name>
    <message>
        <source>There was an unknown error opening the journal.</source>
        <translation>Beim Öffnen des Journals ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>The Journal file you are trying to open no longer exists.</source>
        <translation>Die Journaldatei, die Sie öffnen möchten, ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The Journal is already open by another user
Try again later</source>
        <translation>Das Journal ist bereits von einem anderen Benutzer geöffnet
Versuchen Sie es später erneut</translation>
    </message>
    <message>
        <source>The file you are trying to open doesn&apos;t appear to be a
journal file or it is corrupted.</source>
        <translation>Die Datei, die Sie öffnen möchten, scheint keine
Journaldatei zu sein, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>The Journal you are trying to open requires
a newer version Quillbook.</source>
        <translation>Das Journal, das Sie öffnen möchten, erfordert
eine neuere Version von Quillbook.</translation>
    </message>
    <message>
        <source>OK to close the journal that is open?</source>
        <translation>Das geöffnete Journal schließen?</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Ungültiges Kennwort</translation>
    </message>
    <message>
        <source>Journal Created</source>
        <translation>Journal angelegt</translation>
    </message>
    <message>
        <source>Error - Journal not open</source>
        <translation>Fehler – Journal nicht geöffnet</translation>
    </message>
    <message>
        <source>The old password you entered is wrong</source>
        <translation>Das eingegebene alte Kennwort ist falsch</translation>
    </message>
    <message>
        <source>Password not changed</source>
        <translation>Kennwort nicht geändert</translation>
    </message>
    <message>
        <source>Password Changed</source>
        <translation>Kennwort geändert</translation>
    </message>
    <message>
        <source>Password Removed</source>
        <translation>Kennwort entfernt</translation>
    </message>
    <message>
        <source>This journal file is read-only, so changes to it cannot be saved.</source>
        <translation>Diese Journaldatei ist schreibgeschützt, daher können Änderungen nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The folder that holds this journal cannot be written to, so changes to the journal cannot be saved.</source>
        <translation>In den Ordner mit diesem Journal kann nicht geschrieben werden, daher können Änderungen am Journal nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The disk that holds this journal is read-only, so changes to the journal cannot be saved.</source>
        <translation>Der Datenträger mit diesem Journal ist schreibgeschützt, daher können Änderungen am Journal nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>
The journal is open for reading only: you can read, search, print and export its entries, but not change them.</source>
        <translation>
Das Journal ist nur zum Lesen geöffnet: Sie können seine Einträge lesen, durchsuchen, drucken und exportieren, aber nicht ändern.</translation>
    </message>
    <message>
        <source>This journal was made by an older version of Quillbook and has to be brought up to date as it opens, which cannot be done while it is read-only.
Make the file and its folder writable, then open it again.</source>
        <translation>Dieses Journal wurde mit einer älteren Version von Quillbook angelegt und muss beim Öffnen aktualisiert werden, was nicht geht, solange es schreibgeschützt ist.
Machen Sie die Datei und ihren Ordner beschreibbar und öffnen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>This entry is no longer in the journal: another program has deleted it.
The lists now show the journal as it is.</source>
        <translation>Dieser Eintrag ist nicht mehr im Journal: Ein anderes Programm hat ihn gelöscht.
Die Listen zeigen das Journal jetzt so, wie es ist.</translation>
    </message>
    <message>
        <source>This folder is no longer in the journal: another program has deleted it.
The folder list now shows the journal as it is.</source>
        <translation>Dieser Ordner ist nicht mehr im Journal: Ein anderes Programm hat ihn gelöscht.
Die Ordnerliste zeigt das Journal jetzt so, wie es ist.</translation>
    </message>
    <message>
        <source>This topic is no longer in the journal: another program has deleted it.
The topic list now shows the journal as it is.</source>
        <translation>Dieses Thema ist nicht mehr im Journal: Ein anderes Programm hat es gelöscht.
Die Themenliste zeigt das Journal jetzt so, wie es ist.</translation>
    </message>
    <message>
        <source>The folder you chose is no longer in the journal: another program has deleted it.
The entry stays where it was.</source>
        <translation>Der gewählte Ordner ist nicht mehr im Journal: Ein anderes Programm hat ihn gelöscht.
Der Eintrag bleibt, wo er war.</translation>
    </message>
    <message>
        <source>The journal file is read-only, so the change was not saved.
Make the file writable and try again.</source>
        <translation>Die Journaldatei ist schreibgeschützt, daher wurde die Änderung nicht gespeichert.
Machen Sie die Datei beschreibbar und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The folder that holds the journal cannot be written to, so the change was not saved.
Quillbook writes a temporary file beside the journal while it saves; allow writing in that folder and try again.</source>
        <translation>In den Ordner mit dem Journal kann nicht geschrieben werden, daher wurde die Änderung nicht gespeichert.
Quillbook legt beim Speichern eine temporäre Datei neben dem Journal an; erlauben Sie das Schreiben in diesen Ordner und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The folder for the journal does not exist.
Choose a folder that exists, or create it first.</source>
        <translation>Der Ordner für das Journal ist nicht vorhanden.
Wählen Sie einen vorhandenen Ordner oder legen Sie ihn zuerst an.</translation>
    </message>
    <message>
        <source>The disk that holds the journal is full, so the change was not saved.
Make room on it and try again.</source>
        <translation>Der Datenträger mit dem Journal ist voll, daher wurde die Änderung nicht gespeichert.
Schaffen Sie Platz darauf und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Another program holds the journal, so it could not be read or changed.
Close the other program or wait for it to finish, then try again.</source>
        <translation>Ein anderes Programm belegt das Journal, daher konnte es nicht gelesen oder geändert werden.
Schließen Sie das andere Programm oder warten Sie, bis es fertig ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Another program is using this journal, so it cannot be read or changed just now.
Close the other program or let it finish, then press Retry. Cancel gives up this step; what you typed is kept.</source>
        <translation>Ein anderes Programm verwendet dieses Journal, daher kann es gerade nicht gelesen oder geändert werden.
Schließen Sie das andere Programm oder lassen Sie es fertig werden und klicken Sie dann auf „Wiederholen“. „Abbrechen“ gibt diesen Schritt auf; was Sie eingegeben haben, bleibt erhalten.</translation>
    </message>
    <message>
        <source>The journal&apos;s file name or folder path is too long for the system.
Choose a shorter name or a folder nearer the top.</source>
        <translation>Der Dateiname oder Ordnerpfad des Journals ist für das System zu lang.
Wählen Sie einen kürzeren Namen oder einen Ordner weiter oben.</translation>
    </message>
    <message>
        <source>The journal file could not be opened.
Check that it and its folder exist and that you may read and write them.</source>
        <translation>Die Journaldatei konnte nicht geöffnet werden.
Prüfen Sie, ob sie und ihr Ordner vorhanden sind und Sie sie lesen und schreiben dürfen.</translation>
    </message>
    <message>
        <source>The journal file could not be read or written: the disk reported an error.
Check the disk (or the network folder) and try again.</source>
        <translation>Die Journaldatei konnte nicht gelesen oder geschrieben werden: Der Datenträger hat einen Fehler gemeldet.
Prüfen Sie den Datenträger (oder den Netzwerkordner) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The journal file is damaged, so it could not be read or changed.
Restore it from a backup copy.</source>
        <translation>Die Journaldatei ist beschädigt, daher konnte sie nicht gelesen oder geändert werden.
Stellen Sie sie aus einer Sicherungskopie wieder her.</translation>
    </message>
    <message>
        <source>There was not enough memory to finish this.
Close other programs and try again.</source>
        <translation>Es war nicht genug Arbeitsspeicher vorhanden, um das abzuschließen.
Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>A value stored in the journal is damaged, so it could not be read.
Restore the journal from a backup copy.</source>
        <translation>Ein im Journal gespeicherter Wert ist beschädigt, daher konnte er nicht gelesen werden.
Stellen Sie das Journal aus einer Sicherungskopie wieder her.</translation>
    </message>
    <message>
        <source>The journal could not be read or changed.</source>
        <translation>Das Journal konnte nicht gelesen oder geändert werden.</translation>
    </message>
</context>
<context>
    <name>JournalRescue</name>
    <message>
        <source>its list of tables cannot be read: %1</source>
        <translation>seine Tabellenliste kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be rescued: %2</source>
        <translation>%1 kann nicht gerettet werden: %2</translation>
    </message>
</context>
<context>
    <name>ListingNames</name>
    <message>
        <source>the links of entries to topics cannot be read, so no topics are shown (%1)</source>
        <translation>die Verknüpfungen von Einträgen mit Themen können nicht gelesen werden, daher werden keine Themen angezeigt (%1)</translation>
    </message>
    <message>
        <source>1 link of an entry to a topic names no entry or no topic, so topics may be missing (qbk check lists them)</source>
        <translation>1 Verknüpfung eines Eintrags mit einem Thema nennt keinen Eintrag oder kein Thema, daher fehlen eventuell Themen (qbk check listet sie auf)</translation>
    </message>
    <message>
        <source>%1 links of entries to topics name no entry or no topic, so topics may be missing (qbk check lists them)</source>
        <translation>%1 Verknüpfungen von Einträgen mit Themen nennen keinen Eintrag oder kein Thema, daher fehlen eventuell Themen (qbk check listet sie auf)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Journal...</source>
        <translation>Journal...</translation>
    </message>
    <message>
        <source>&amp;Entry</source>
        <translation>&amp;Eintrag</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Journal...</source>
        <translation>&amp;Journal...</translation>
    </message>
    <message>
        <source>Selected &amp;Entry</source>
        <translation>Ausgewählten &amp;Eintrag</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Topic</source>
        <translation>&amp;Thema</translation>
    </message>
    <message>
        <source>&amp;Close Journal</source>
        <translation>Journal &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Seite einrich&amp;ten...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Expor&amp;t Journal...</source>
        <translation>Journal e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Back Up Journal...</source>
        <translation>Journal si&amp;chern...</translation>
    </message>
    <message>
        <source>R&amp;escue Journal...</source>
        <translation>Journal &amp;retten...</translation>
    </message>
    <message>
        <source>Journal Options...</source>
        <translation>Journal-Optionen...</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Kennwort ändern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Comment...</source>
        <translation>Kommentar...</translation>
    </message>
    <message>
        <source>Change Entry &amp;Date...	Ctrl+D</source>
        <translation>Eintrags&amp;datum ändern...	Strg+D</translation>
    </message>
    <message>
        <source>&amp;Entry Topics...</source>
        <translation>&amp;Themen des Eintrags...</translation>
    </message>
    <message>
        <source>&amp;Move to Folder...	Ctrl+Shift+M</source>
        <translation>In Ordner &amp;verschieben...	Strg+Umschalt+M</translation>
    </message>
    <message>
        <source>Master &amp;Topic List...</source>
        <translation>&amp;Gesamte Themenliste...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Preview Pane</source>
        <translation>&amp;Vorschaubereich</translation>
    </message>
    <message>
        <source>&amp;Folders</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Themen</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Nach Aktualisierungen suchen...</translation>
    </message>
    <message>
        <source>Configure Auto Updates...</source>
        <translation>Automatische Aktualisierungen einrichten...</translation>
    </message>
    <message>
        <source>Welcome Dialog...</source>
        <translation>Willkommensdialog...</translation>
    </message>
    <message>
        <source>&amp;About Quillbook</source>
        <translation>&amp;Über Quillbook</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Set Password...</source>
        <translation>Kennwort festlegen...</translation>
    </message>
</context>
<context>
    <name>OutputRule</name>
    <message>
        <source>%1 is the journal itself</source>
        <translation>%1 ist das Journal selbst</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 existiert bereits</translation>
    </message>
</context>
<context>
    <name>PageSetup</name>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
</context>
<context>
    <name>PaneCaption</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close %1 pane</source>
        <translation>Bereich %1 schließen</translation>
    </message>
</context>
<context>
    <name>PaneContextMenu</name>
    <message>
        <source>&amp;Open Entry</source>
        <translation>Eintrag ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Edit &amp;Comment</source>
        <translation>&amp;Kommentar bearbeiten</translation>
    </message>
    <message>
        <source>Change Entry &amp;Date</source>
        <translation>Eintrags&amp;datum ändern</translation>
    </message>
    <message>
        <source>&amp;Delete Entry</source>
        <translation>Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Move to Folder...</source>
        <translation>In Ordner &amp;verschieben...</translation>
    </message>
    <message>
        <source>&amp;Topics...</source>
        <translation>&amp;Themen...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Show In Folders</source>
        <translation>In Ordnern anzeigen</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Neuer Ordner</translation>
    </message>
    <message>
        <source>&amp;Delete Folder</source>
        <translation>Ordner &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Rename Folder</source>
        <translation>Ordner &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;New Topic</source>
        <translation>&amp;Neues Thema</translation>
    </message>
    <message>
        <source>&amp;Rename Topic</source>
        <translation>Thema &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete Topic</source>
        <translation>Thema &amp;löschen</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source>Printing entries...</source>
        <translation>Einträge werden gedruckt...</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Kommentar: %1</translation>
    </message>
    <message>
        <source>No entries to print.</source>
        <translation>Keine Einträge zum Drucken.</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>Die Seiten konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Print Journal</source>
        <translation>Journal drucken</translation>
    </message>
</context>
<context>
    <name>QtJournalUi</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Journal files (*.qbk)</source>
        <translation>Journal-Dateien (*.qbk)</translation>
    </message>
    <message>
        <source>Save the Journal As</source>
        <translation>Journal speichern unter</translation>
    </message>
</context>
<context>
    <name>RecentFileMenu</name>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot protect %1</source>
        <translation>%1 kann nicht geschützt werden</translation>
    </message>
    <message>
        <source>a new entry</source>
        <translation>einem neuen Eintrag</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>dem Eintrag vom %1</translation>
    </message>
    <message>
        <source>Quillbook stopped before changes to %1 were saved. A copy of them was kept at %2:

&quot;%3&quot;

Restore puts the text back into the editor, unsaved, for you to save. Discard throws the copy away. Later keeps it for the next time this journal opens.</source>
        <translation>Quillbook wurde beendet, bevor Änderungen an %1 gespeichert wurden. Eine Kopie vom %2 wurde aufbewahrt:

„%3“

Wiederherstellen setzt den Text ungespeichert wieder in den Editor, damit Sie ihn speichern können. Verwerfen löscht die Kopie. Später behält sie bis zum nächsten Öffnen dieses Journals.</translation>
    </message>
    <message>
        <source>No recovery copy of the unsaved text could be kept: %1</source>
        <translation>Vom ungespeicherten Text konnte keine Wiederherstellungskopie angelegt werden: %1</translation>
    </message>
    <message>
        <source>The recovery copy %1 could not be removed.</source>
        <translation>Die Wiederherstellungskopie %1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>RecoveryDlg</name>
    <message>
        <source>Unsaved Changes Found</source>
        <translation>Ungespeicherte Änderungen gefunden</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
</context>
<context>
    <name>RescueJournalCommand</name>
    <message>
        <source>Saving what can still be read...</source>
        <translation>Was noch lesbar ist, wird gespeichert...</translation>
    </message>
    <message>
        <source>Journals (*.qbk);;All files (*)</source>
        <translation>Journale (*.qbk);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Rescue Journal</source>
        <translation>Journal retten</translation>
    </message>
    <message>
        <source>Save the Rescued Journal As</source>
        <translation>Gerettetes Journal speichern unter</translation>
    </message>
    <message>
        <source> rescued.qbk</source>
        <translation> gerettet.qbk</translation>
    </message>
</context>
<context>
    <name>RescueReport</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Topic links</source>
        <translation>Themenverknüpfungen</translation>
    </message>
    <message>
        <source>Nothing was rescued: %1</source>
        <translation>Nichts wurde gerettet: %1</translation>
    </message>
    <message>
        <source>What could be read is saved in %1.</source>
        <translation>Was gelesen werden konnte, ist in %1 gespeichert.</translation>
    </message>
    <message>
        <source>%1: %2 saved</source>
        <translation>%1: %2 gespeichert</translation>
    </message>
    <message>
        <source>, %1 lost</source>
        <translation>, %1 verloren</translation>
    </message>
    <message>
        <source>, up to %1 lost with damaged pages</source>
        <translation>, bis zu %1 mit beschädigten Seiten verloren</translation>
    </message>
    <message>
        <source>, and the rest could not be read (how many is not known)</source>
        <translation>, und der Rest konnte nicht gelesen werden (wie viel, ist unbekannt)</translation>
    </message>
    <message>
        <source>Entries lost: %1</source>
        <translation>Verlorene Einträge: %1</translation>
    </message>
    <message>
        <source>Entries that topic links name but that were not saved (lost with the damaged pages, or deleted earlier): %1</source>
        <translation>Einträge, die Themenverknüpfungen nennen, die aber nicht gespeichert wurden (mit den beschädigten Seiten verloren oder früher gelöscht): %1</translation>
    </message>
    <message>
        <source>Topic links dropped, as their topics were lost: %1</source>
        <translation>Themenverknüpfungen entfernt, da ihre Themen verloren sind: %1</translation>
    </message>
    <message>
        <source>Folders and entries moved to the top, as their folders were lost: %1</source>
        <translation>Ordner und Einträge auf die oberste Ebene verschoben, da ihre Ordner verloren sind: %1</translation>
    </message>
    <message>
        <source>The settings row could not be read, so the rescued file cannot be opened as a journal.</source>
        <translation>Die Einstellungszeile konnte nicht gelesen werden, daher lässt sich die gerettete Datei nicht als Journal öffnen.</translation>
    </message>
    <message>
        <source>Everything else that could be read was saved.</source>
        <translation>Alles andere, was gelesen werden konnte, wurde gespeichert.</translation>
    </message>
    <message>
        <source>Nothing was lost.</source>
        <translation>Nichts ging verloren.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>the file is not open</source>
        <translation>die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>SampleJournal</name>
    <message>
        <source>%1 already exists</source>
        <translation>%1 ist bereits vorhanden</translation>
    </message>
    <message>
        <source>the journal could not be created</source>
        <translation>das Journal konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>an entry could not be saved</source>
        <translation>ein Eintrag konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SearchRules</name>
    <message>
        <source>1 entry listed; the others found could not be read</source>
        <translation>1 Eintrag aufgelistet; die anderen gefundenen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 entries listed; the others found could not be read</source>
        <translation>%1 Einträge aufgelistet; die anderen gefundenen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>1 entry found</source>
        <translation>1 Eintrag gefunden</translation>
    </message>
    <message>
        <source>%1 entries found</source>
        <translation>%1 Einträge gefunden</translation>
    </message>
    <message>
        <source>Not every entry found could be read: %1

No entry is listed.</source>
        <translation>Nicht jeder gefundene Eintrag konnte gelesen werden: %1

Es wird kein Eintrag aufgelistet.</translation>
    </message>
    <message>
        <source>Not every entry found could be read: %1

The entry read before that is listed.</source>
        <translation>Nicht jeder gefundene Eintrag konnte gelesen werden: %1

Der davor gelesene Eintrag wird aufgelistet.</translation>
    </message>
    <message>
        <source>Not every entry found could be read: %1

The %2 entries read before that are listed.</source>
        <translation>Nicht jeder gefundene Eintrag konnte gelesen werden: %1

Die %2 davor gelesenen Einträge werden aufgelistet.</translation>
    </message>
    <message>
        <source>No Entries Found</source>
        <translation>Keine Einträge gefunden</translation>
    </message>
    <message>
        <source>This entry is no longer in the journal; it is removed from the results.</source>
        <translation>Dieser Eintrag ist nicht mehr im Journal; er wird aus den Ergebnissen entfernt.</translation>
    </message>
</context>
<context>
    <name>SettingChoices</name>
    <message>
        <source>12 Hour (1:30 PM)</source>
        <translation>12-Stunden-Format (1:30 PM)</translation>
    </message>
    <message>
        <source>24 Hour (13:30)</source>
        <translation>24-Stunden-Format (13:30)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>(no date)</source>
        <translation>(kein Datum)</translation>
    </message>
    <message>
        <source>Other (%1)</source>
        <translation>Andere (%1)</translation>
    </message>
</context>
<context>
    <name>SettingsControls</name>
    <message>
        <source>&amp;Date Format</source>
        <translation>&amp;Datumsformat</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Schriftgröße</translation>
    </message>
</context>
<context>
    <name>Spelling</name>
    <message>
        <source>No spelling dictionary for %1 (%2) is installed, so spelling is checked against the %3 dictionary.

Install the package %4 to check spelling in %1.</source>
        <translation>Für %1 (%2) ist kein Rechtschreibwörterbuch installiert, daher wird die Rechtschreibung mit dem Wörterbuch %3 geprüft.

Installieren Sie das Paket %4, um die Rechtschreibung in %1 zu prüfen.</translation>
    </message>
    <message>
        <source>The spelling check is complete.</source>
        <translation>Die Rechtschreibprüfung ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Spelling cannot be checked: no Hunspell dictionary is installed.

Install the package hunspell-en-us (or the hunspell package of your language, for example hunspell-de-de) and try again.</source>
        <translation>Die Rechtschreibung kann nicht geprüft werden: Es ist kein Hunspell-Wörterbuch installiert.

Installieren Sie das Paket hunspell-en-us (oder das Hunspell-Paket Ihrer Sprache, zum Beispiel hunspell-de-de) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Spelling cannot be checked: the %1 dictionary (%2) cannot be read.

Reinstall the package %3, or choose another dictionary in the Tools menu.</source>
        <translation>Die Rechtschreibung kann nicht geprüft werden: Das Wörterbuch %1 (%2) kann nicht gelesen werden.

Installieren Sie das Paket %3 neu oder wählen Sie im Menü „Extras“ ein anderes Wörterbuch.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added to the dictionary.</source>
        <translation>„%1“ kann nicht zum Wörterbuch hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The word cannot be added to your word list %1: %2.</source>
        <translation>Das Wort kann nicht zu Ihrer Wortliste %1 hinzugefügt werden: %2.</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Not in dictionary:</source>
        <translation>Nicht im Wörterbuch:</translation>
    </message>
    <message>
        <source>Change &amp;to:</source>
        <translation>Ändern &amp;in:</translation>
    </message>
    <message>
        <source>&amp;Suggestions:</source>
        <translation>&amp;Vorschläge:</translation>
    </message>
    <message>
        <source>(no suggestions)</source>
        <translation>(keine Vorschläge)</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>I&amp;gnore All</source>
        <translation>Alle i&amp;gnorieren</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Change A&amp;ll</source>
        <translation>A&amp;lle ändern</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Check Spelling as You &amp;Type</source>
        <translation>Rechtschreibung während der &amp;Eingabe prüfen</translation>
    </message>
    <message>
        <source>Spelling &amp;Dictionary</source>
        <translation>Rechtschreib&amp;wörterbuch</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>%1, to %2</source>
        <translation>%1, bis %2</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Days written</source>
        <translation>Tage mit Einträgen</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>Current streak</source>
        <translation>Aktuelle Serie</translation>
    </message>
    <message>
        <source>Busiest weekday</source>
        <translation>Aktivster Wochentag</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Entries per month</source>
        <translation>Einträge pro Monat</translation>
    </message>
    <message>
        <source>Words per month</source>
        <translation>Wörter pro Monat</translation>
    </message>
</context>
<context>
    <name>StatisticsDlg</name>
    <message>
        <source>&amp;All days</source>
        <translation>&amp;Alle Tage</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Count</source>
        <translation>&amp;Zählen</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Statistics table</source>
        <translation>Statistiktabelle</translation>
    </message>
    <message>
        <source>Save C&amp;harts...</source>
        <translation>&amp;Diagramme speichern...</translation>
    </message>
    <message>
        <source>Save T&amp;able...</source>
        <translation>&amp;Tabelle speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Counting the entries...</source>
        <translation>Die Einträge werden gezählt...</translation>
    </message>
    <message>
        <source>Save Charts</source>
        <translation>Diagramme speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save Table</source>
        <translation>Tabelle speichern</translation>
    </message>
    <message>
        <source>Tab-separated values (*.tsv)</source>
        <translation>Tabulatorgetrennte Werte (*.tsv)</translation>
    </message>
</context>
<context>
    <name>TopicDialogLayout</name>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
</context>
<context>
    <name>UpdateMessages</name>
    <message>
        <source>Quillbook is updated through your system&apos;s package manager. To get the newest version, check for updates there (for example with the Software app, or with &quot;apt update&quot; and &quot;apt upgrade&quot;).</source>
        <translation>Quillbook wird über die Paketverwaltung Ihres Systems aktualisiert. Um die neueste Version zu erhalten, suchen Sie dort nach Aktualisierungen (zum Beispiel mit der App „Software“ oder mit „apt update“ und „apt upgrade“).</translation>
    </message>
    <message>
        <source>Automatic updates of Quillbook are set up in your system&apos;s package manager, together with those of your other programs (for example in the Software app&apos;s update preferences, or with unattended-upgrades).</source>
        <translation>Automatische Aktualisierungen von Quillbook werden in der Paketverwaltung Ihres Systems eingerichtet, zusammen mit denen Ihrer anderen Programme (zum Beispiel in den Aktualisierungseinstellungen der App „Software“ oder mit unattended-upgrades).</translation>
    </message>
</context>
<context>
    <name>qbk</name>
    <message>
        <source>Each entry is one line: id, date and time as the journal shows them, folder
(&quot;(None)&quot; for entries at the top), description as the entry list shows it
(empty for a description taken from the text, unless the journal shows first
lines), and topics joined by &quot;, &quot;. Entries are in order of date. With --tsv
the five values are separated by one tab each, the date is ISO 8601
(2024-03-15T09:30:00, empty when the stored one does not parse) and the topics
are separated by the unit separator (U+001F), which no name holds.
</source>
        <translation>Jeder Eintrag ist eine Zeile: ID, Datum und Uhrzeit, wie das Journal sie zeigt,
Ordner (&quot;(None)&quot; für Einträge auf oberster Ebene), Beschreibung, wie die
Eintragsliste sie zeigt (leer bei einer aus dem Text genommenen Beschreibung,
außer das Journal zeigt erste Zeilen), und die Themen, verbunden mit &quot;, &quot;.
Die Einträge sind nach Datum geordnet. Mit --tsv sind die fünf Werte durch je
einen Tabulator getrennt, das Datum ist ISO 8601 (2024-03-15T09:30:00, leer,
wenn das gespeicherte nicht lesbar ist), und die Themen sind durch das
Einheitentrennzeichen (U+001F) getrennt, das in keinem Namen vorkommt.
</translation>
    </message>
    <message>
        <source>An entry that cannot be read (a damaged value) is skipped with a warning naming
it on standard error, and the exit status is 3; so are topics that cannot be read.
</source>
        <translation>Ein Eintrag, der nicht gelesen werden kann (ein beschädigter Wert), wird mit einer
Warnung auf der Standardfehlerausgabe, die ihn nennt, übersprungen, und der
Rückgabewert ist 3; ebenso Themen, die nicht gelesen werden können.
</translation>
    </message>
    <message>
        <source>A protected journal asks for its password on the terminal, without echo.
  --password-stdin  read the password from the first line of standard input
</source>
        <translation>Ein geschütztes Journal fragt auf dem Terminal nach seinem Kennwort, ohne Echo.
  --password-stdin  das Kennwort aus der ersten Zeile der Standardeingabe lesen
</translation>
    </message>
    <message>
        <source>Usage: qbk list FILE [--folder NAME] [--from YYYY-MM-DD] [--to YYYY-MM-DD]
                [--topic NAME]... [--all-topics] [--tsv] [--password-stdin]

Lists the journal&apos;s entries, all of them or those filed in one folder (not its
subfolders), narrowed to a range of days and to the entries that carry at least
one of the topics given (all of them with --all-topics). No text is needed: to
find entries by their words, use qbk search. A topic the journal does not hold,
or a --from day after the --to day, is a usage mistake (exit status 1).
  --folder NAME     only entries filed in this folder (a name, or an id in braces)
  --from DAY        only entries from this day on
  --to DAY          only entries up to the end of this day
  --topic NAME      only entries carrying this topic; may be repeated
  --all-topics      entries must carry all the topics given, not just one
  --tsv             tab-separated output
</source>
        <translation>Aufruf: qbk list DATEI [--folder NAME] [--from JJJJ-MM-TT] [--to JJJJ-MM-TT]
                [--topic NAME]... [--all-topics] [--tsv] [--password-stdin]

Listet die Einträge des Journals auf, alle oder die in einem Ordner abgelegten
(ohne seine Unterordner), eingegrenzt auf einen Zeitraum und auf die Einträge,
die mindestens eines der angegebenen Themen tragen (mit --all-topics alle).
Ein Text ist nicht nötig: Um Einträge nach ihren Wörtern zu finden, verwenden
Sie qbk search. Ein Thema, das das Journal nicht enthält, oder ein Tag bei
--from nach dem Tag bei --to ist ein Bedienfehler (Rückgabewert 1).
  --folder NAME     nur Einträge in diesem Ordner (ein Name oder eine ID in
                    geschweiften Klammern)
  --from TAG        nur Einträge ab diesem Tag
  --to TAG          nur Einträge bis zum Ende dieses Tages
  --topic NAME      nur Einträge mit diesem Thema; kann wiederholt werden
  --all-topics      Einträge müssen alle angegebenen Themen tragen, nicht nur eines
  --tsv             durch Tabulatoren getrennte Ausgabe
</translation>
    </message>
    <message>
        <source>Usage: qbk search FILE TEXT [--case] [--word] [--text | --comments]
                  [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--topic NAME]...
                  [--all-topics] [--tsv] [--password-stdin]

Finds the entries whose text or comment holds TEXT, as the Search dialog does,
and lists them. Like the dialog, it marks the hits in the journal file
(bringing a journal of an older revision up to date), unless --no-marks.
  --case            letter case must match
  --word            whole words only
  --text            look in the entry text only
  --comments        look in the comments only (both when neither is given)
  --from DAY        only entries from this day on
  --to DAY          only entries up to the end of this day
  --topic NAME      only entries carrying this topic; may be repeated
  --all-topics      entries must carry all the topics given, not just one
  --no-marks        leave the journal file as it is: mark nothing
  --tsv             tab-separated output
</source>
        <translation>Aufruf: qbk search DATEI TEXT [--case] [--word] [--text | --comments]
                  [--from JJJJ-MM-TT] [--to JJJJ-MM-TT] [--topic NAME]...
                  [--all-topics] [--tsv] [--password-stdin]

Findet die Einträge, deren Text oder Kommentar TEXT enthält, wie der Dialog
„Suchen“, und listet sie auf. Wie der Dialog markiert es die Treffer in der
Journaldatei (und bringt ein Journal älterer Revision auf den neuesten Stand),
außer mit --no-marks.
  --case            Groß- und Kleinschreibung beachten
  --word            nur ganze Wörter
  --text            nur im Text der Einträge suchen
  --comments        nur in den Kommentaren suchen (in beiden, wenn keines angegeben ist)
  --from TAG        nur Einträge ab diesem Tag
  --to TAG          nur Einträge bis zum Ende dieses Tages
  --topic NAME      nur Einträge mit diesem Thema; kann wiederholt werden
  --all-topics      Einträge müssen alle angegebenen Themen tragen, nicht nur eines
  --no-marks        die Journaldatei unverändert lassen: nichts markieren
  --tsv             durch Tabulatoren getrennte Ausgabe
</translation>
    </message>
    <message>
        <source>Usage: qbk info FILE [--tsv] [--password-stdin]

Shows the journal&apos;s title, owner, file revision, whether a password protects
it, and how many folders, topics and entries it holds. With --tsv each line
is a lower-case name, a tab and the value.
</source>
        <translation>Aufruf: qbk info DATEI [--tsv] [--password-stdin]

Zeigt Titel, Besitzer und Dateirevision des Journals, ob ein Kennwort es
schützt und wie viele Ordner, Themen und Einträge es enthält. Mit --tsv ist
jede Zeile ein kleingeschriebener Name, ein Tabulator und der Wert.
</translation>
    </message>
    <message>
        <source>Usage: qbk folders FILE [--tsv] [--password-stdin]

Lists the journal&apos;s folders as the folder tree shows them, one a line: id,
name, path (the names from the top down, joined by &quot;/&quot;) and the number of
entries filed in it. Give the id in braces where two folders share a name.
  --tsv             tab-separated output; the path&apos;s names are separated by
                    the unit separator (U+001F), which no name holds
</source>
        <translation>Aufruf: qbk folders DATEI [--tsv] [--password-stdin]

Listet die Ordner des Journals so auf, wie der Ordnerbaum sie zeigt, einen je
Zeile: ID, Name, Pfad (die Namen von oben nach unten, verbunden mit &quot;/&quot;) und die
Zahl der darin abgelegten Einträge. Geben Sie die ID in geschweiften Klammern
an, wo zwei Ordner denselben Namen tragen.
  --tsv             durch Tabulatoren getrennte Ausgabe; die Namen des Pfads
                    sind durch das Einheitentrennzeichen (U+001F) getrennt, das
                    in keinem Namen vorkommt
</translation>
    </message>
    <message>
        <source>Usage: qbk stats FILE [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--tsv]
                 [--password-stdin]

Counts the journal&apos;s entries, and the words and characters of their text as
the entry editor counts them, in all, per year and per month; the days with
entries, the longest run of such days (a streak), the run up to today, and
the weekday with the most entries.
  --from DAY        only entries from this day on
  --to DAY          only entries up to the end of this day
  --tsv             tab-separated output: each line a lower-case name and its
                    value; &quot;year&quot; and &quot;month&quot; lines give the period and its
                    entries, words and characters
</source>
        <translation>Aufruf: qbk stats DATEI [--from JJJJ-MM-TT] [--to JJJJ-MM-TT] [--tsv]
                 [--password-stdin]

Zählt die Einträge des Journals und die Wörter und Zeichen ihres Textes, wie der
Eintragseditor sie zählt, insgesamt, je Jahr und je Monat; die Tage mit
Einträgen, die längste Folge solcher Tage (eine Serie), die Folge bis heute und
den Wochentag mit den meisten Einträgen.
  --from TAG        nur Einträge ab diesem Tag
  --to TAG          nur Einträge bis zum Ende dieses Tages
  --tsv             durch Tabulatoren getrennte Ausgabe: jede Zeile ein
                    kleingeschriebener Name und sein Wert; Zeilen &quot;year&quot; und
                    &quot;month&quot; geben den Zeitraum und seine Einträge, Wörter und
                    Zeichen an
</translation>
    </message>
    <message>
        <source>Usage: qbk topics FILE [--tsv] [--password-stdin]

Lists the journal&apos;s topics, one a line: id, name and the number of entries
that carry it. Give the id in braces where two topics share a name.
  --tsv             tab-separated output
</source>
        <translation>Aufruf: qbk topics DATEI [--tsv] [--password-stdin]

Listet die Themen des Journals auf, eines je Zeile: ID, Name und die Zahl der
Einträge, die es tragen. Geben Sie die ID in geschweiften Klammern an, wo zwei
Themen denselben Namen tragen.
  --tsv             durch Tabulatoren getrennte Ausgabe
</translation>
    </message>
    <message>
        <source>Usage: qbk show FILE ENTRY-ID [--rtf] [--password-stdin]

Prints an entry&apos;s text as plain text, one line per paragraph. ENTRY-ID is the
id a listing prints, or the start of it when no other entry&apos;s id starts so.
  --rtf             print the entry as stored: its RTF
</source>
        <translation>Aufruf: qbk show DATEI EINTRAGS-ID [--rtf] [--password-stdin]

Gibt den Text eines Eintrags als reinen Text aus, eine Zeile je Absatz.
EINTRAGS-ID ist die ID, die eine Auflistung ausgibt, oder ihr Anfang, wenn die
ID keines anderen Eintrags so beginnt.
  --rtf             den Eintrag so ausgeben, wie er gespeichert ist: sein RTF
</translation>
    </message>
    <message>
        <source>Usage: qbk create FILE --title TITLE [--owner OWNER] [--password-stdin | --protect]

Creates a new, empty journal. FILE must not exist yet. The journal shows dates
like &quot;Monday, March 2 2026 09:05 AM&quot; and asks for a comment on new entries.
  --title TITLE     the journal&apos;s title (1 to 100 characters)
  --owner OWNER     the owner&apos;s name (up to 30 characters)
  --password-stdin  protect it with the password on the first line of standard input
  --protect         protect it with a password typed twice on the terminal
</source>
        <translation>Aufruf: qbk create DATEI --title TITEL [--owner BESITZER] [--password-stdin | --protect]

Legt ein neues, leeres Journal an. DATEI darf noch nicht vorhanden sein. Das
Journal zeigt Daten wie &quot;Monday, March 2 2026 09:05 AM&quot; und fragt bei neuen
Einträgen nach einem Kommentar.
  --title TITEL     der Titel des Journals (1 bis 100 Zeichen)
  --owner BESITZER  der Name des Besitzers (bis zu 30 Zeichen)
  --password-stdin  mit dem Kennwort aus der ersten Zeile der Standardeingabe schützen
  --protect         mit einem zweimal auf dem Terminal eingegebenen Kennwort schützen
</translation>
    </message>
    <message>
        <source>Usage: qbk add FILE [--folder NAME] [--comment COMMENT] [--allow-empty]
               [--password-stdin] &lt; TEXT

Adds a new entry with the text on standard input and prints its id. Text that
starts with {\rtf is stored as the RTF it is, and refused when it is cut short
(a group left open or closed twice); anything else is UTF-8 plain text, one
paragraph per line, in the journal&apos;s default font. The entry is dated now.
Typed on a terminal, the text ends with Ctrl-D at the start of a line.
  --folder NAME     file it in this folder (a name, or an id in braces);
                    at the top of the journal when not given
  --comment TEXT    its comment (up to 100 characters); without it the entry is
                    described by the start of its text
  --allow-empty     store an entry without text (refused otherwise)
</source>
        <translation>Aufruf: qbk add DATEI [--folder NAME] [--comment KOMMENTAR] [--allow-empty]
               [--password-stdin] &lt; TEXT

Fügt einen neuen Eintrag mit dem Text der Standardeingabe hinzu und gibt seine
ID aus. Text, der mit {\rtf beginnt, wird als das RTF gespeichert, das er ist,
und abgelehnt, wenn er abgeschnitten ist (eine Gruppe offen gelassen oder
zweimal geschlossen); alles andere ist reiner UTF-8-Text, ein Absatz je Zeile,
in der Standardschrift des Journals. Der Eintrag erhält das jetzige Datum.
Auf einem Terminal eingegeben, endet der Text mit Strg-D am Anfang einer Zeile.
  --folder NAME     in diesem Ordner ablegen (ein Name oder eine ID in
                    geschweiften Klammern); ohne Angabe auf oberster Ebene
  --comment TEXT    sein Kommentar (bis zu 100 Zeichen); ohne ihn wird der
                    Eintrag durch den Anfang seines Textes beschrieben
  --allow-empty     einen Eintrag ohne Text speichern (sonst abgelehnt)
</translation>
    </message>
    <message>
        <source>Usage: qbk print FILE --pdf OUT.pdf [--entry ID | --folder NAME]
                 [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--no-header]
                 [--continuous] [--page-numbers] [--comments]
                 [--force] [--password-stdin]

Prints entries to a PDF file as Quillbook prints them on paper: each entry on
pages of its own (or one after another with --continuous), in order of date, inside margins of 1.25 inches left and right
and 1 inch top and bottom, under its date and time. Without --entry or --folder
every entry is printed. An existing OUT.pdf is replaced only with --force and
only when printing succeeded; the journal itself is never written.
  --pdf OUT.pdf     the file to write
  --force           replace OUT.pdf if it exists
  --entry ID        only this entry (its id, or the start of it)
  --folder NAME     only entries filed in this folder (a name, or an id in braces)
  --from DAY        only entries from this day on
  --to DAY          only entries up to the end of this day
  --no-header       leave out the date and time above each entry
  --continuous      print each entry after the one before, not from a new page
  --page-numbers    &quot;Page N of M&quot; and the journal&apos;s title at the foot of each page
  --comments        print each entry&apos;s comment under its date
</source>
        <translation>Aufruf: qbk print DATEI --pdf AUS.pdf [--entry ID | --folder NAME]
                 [--from JJJJ-MM-TT] [--to JJJJ-MM-TT] [--no-header]
                 [--continuous] [--page-numbers] [--comments]
                 [--force] [--password-stdin]

Druckt Einträge in eine PDF-Datei, wie Quillbook sie auf Papier druckt: jeden
Eintrag auf eigenen Seiten (oder mit --continuous einen nach dem anderen), nach
Datum geordnet, mit Rändern von 1,25 Zoll links und rechts und 1 Zoll oben und
unten, unter seinem Datum und seiner Uhrzeit. Ohne --entry oder --folder wird
jeder Eintrag gedruckt. Eine vorhandene AUS.pdf wird nur mit --force ersetzt und
nur, wenn das Drucken gelungen ist; in das Journal selbst wird nie geschrieben.
  --pdf AUS.pdf     die zu schreibende Datei
  --force           AUS.pdf ersetzen, wenn sie vorhanden ist
  --entry ID        nur dieser Eintrag (seine ID oder ihr Anfang)
  --folder NAME     nur Einträge in diesem Ordner (ein Name oder eine ID in
                    geschweiften Klammern)
  --from TAG        nur Einträge ab diesem Tag
  --to TAG          nur Einträge bis zum Ende dieses Tages
  --no-header       Datum und Uhrzeit über jedem Eintrag weglassen
  --continuous      jeden Eintrag nach dem vorigen drucken, nicht auf einer neuen Seite
  --page-numbers    &quot;Seite N von M&quot; und der Titel des Journals am Fuß jeder Seite
  --comments        den Kommentar jedes Eintrags unter seinem Datum drucken
</translation>
    </message>
    <message>
        <source>Usage: qbk export FILE --format html|md|txt|odt|pdf --out PATH
                  [--entry ID | --folder NAME] [--from YYYY-MM-DD] [--to YYYY-MM-DD]
                  [--topic NAME]... [--split] [--embed] [--force] [--password-stdin]

Writes the chosen entries, in order of date, into one document: each under its
date and time, with its folder, topics and comment. The journal is not changed.
HTML keeps fonts, sizes, colours, lists and pictures (embedded: the file stands
alone). Markdown keeps bold, italic, strike-through, lists, line breaks and
pictures; the pictures are files beside it (in OUT_files/ for OUT.md; with
--split, beside each entry&apos;s file), linked by relative path. Plain text keeps
the words and the lists&apos; bullets and numbers. ODT puts the title under Heading
1 and each date under Heading 2 and keeps the entries&apos; fonts; PDF is laid out
as qbk print prints, each entry from a new page under its date and time.
  --format F        html, md, txt, odt or pdf
  --out PATH        the file to write; with --split, the folder
  --entry ID        only this entry (its id, or the start of it)
  --folder NAME     only entries filed in this folder (not its subfolders)
  --from DAY        only entries from this day on
  --to DAY          only entries up to the end of this day
  --topic NAME      only entries carrying this topic; may be repeated
  --split           one file per entry, named by its date and time; a folder
                    that does not exist appears only when all are written
  --embed           Markdown: pictures inside the file as data: URLs, no files
  --force           replace files that exist
</source>
        <translation>Aufruf: qbk export DATEI --format html|md|txt|odt|pdf --out PFAD
                  [--entry ID | --folder NAME] [--from JJJJ-MM-TT] [--to JJJJ-MM-TT]
                  [--topic NAME]... [--split] [--embed] [--force] [--password-stdin]

Schreibt die gewählten Einträge nach Datum geordnet in ein Dokument: jeden unter
seinem Datum und seiner Uhrzeit, mit Ordner, Themen und Kommentar. Das Journal
wird nicht geändert. HTML behält Schriften, Größen, Farben, Listen und Bilder
(eingebettet: die Datei steht für sich). Markdown behält Fett, Kursiv,
Durchgestrichen, Listen, Zeilenumbrüche und Bilder; die Bilder sind Dateien
daneben (in AUS_files/ für AUS.md; mit --split neben der Datei jedes Eintrags),
über relative Pfade verknüpft. Reiner Text behält die Wörter und die
Aufzählungszeichen und Nummern der Listen. ODT setzt den Titel unter
Überschrift 1 und jedes Datum unter Überschrift 2 und behält die Schriften der
Einträge; PDF wird gesetzt, wie qbk print druckt, jeder Eintrag auf einer neuen
Seite unter seinem Datum und seiner Uhrzeit.
  --format F        html, md, txt, odt oder pdf
  --out PFAD        die zu schreibende Datei; mit --split der Ordner
  --entry ID        nur dieser Eintrag (seine ID oder ihr Anfang)
  --folder NAME     nur Einträge in diesem Ordner (ohne seine Unterordner)
  --from TAG        nur Einträge ab diesem Tag
  --to TAG          nur Einträge bis zum Ende dieses Tages
  --topic NAME      nur Einträge mit diesem Thema; kann wiederholt werden
  --split           eine Datei je Eintrag, benannt nach Datum und Uhrzeit; ein
                    nicht vorhandener Ordner erscheint erst, wenn alle
                    geschrieben sind
  --embed           Markdown: Bilder als data:-URLs in der Datei, keine Dateien
  --force           vorhandene Dateien ersetzen
</translation>
    </message>
    <message>
        <source>Usage: qbk backup FILE OUT [--force]

Copies the journal to OUT with SQLite&apos;s online backup, so the copy is whole
and consistent even while Quillbook has the journal open and is saving. OUT
appears only when the copy is complete and checked. An existing OUT is kept
unless --force is given. No password is needed: the copy stays enciphered.
  --force           replace OUT if it exists
</source>
        <translation>Aufruf: qbk backup DATEI AUS [--force]

Kopiert das Journal mit der Online-Sicherung von SQLite nach AUS, sodass die
Kopie vollständig und stimmig ist, auch während Quillbook das Journal geöffnet
hat und speichert. AUS erscheint erst, wenn die Kopie vollständig und geprüft
ist. Eine vorhandene AUS bleibt erhalten, außer mit --force. Es ist kein
Kennwort nötig: die Kopie bleibt verschlüsselt.
  --force           AUS ersetzen, wenn sie vorhanden ist
</translation>
    </message>
    <message>
        <source>Usage: qbk check FILE [--password-stdin]

Looks the journal over and prints one line for each problem: the database&apos;s
integrity check, ids used twice or missing, values that do not decode or
decipher, entry texts whose RTF is cut short or would change when saved,
time stamps that do not parse, entries in missing folders, topic links to
missing topics, folders whose parents are missing or form a cycle. Topic
links left by deleted entries are harmless: one note line counts them.
It only reads; it repairs nothing.
Exit status: 0 no problem, 3 problems found, 2 the journal could not be read.
</source>
        <translation>Aufruf: qbk check DATEI [--password-stdin]

Prüft das Journal und gibt für jedes Problem eine Zeile aus: die
Integritätsprüfung der Datenbank, doppelt verwendete oder fehlende IDs, Werte,
die sich nicht dekodieren oder entschlüsseln lassen, Eintragstexte, deren RTF
abgeschnitten ist oder sich beim Speichern ändern würde, nicht lesbare
Zeitstempel, Einträge in fehlenden Ordnern, Themenverknüpfungen zu fehlenden
Themen, Ordner, deren übergeordnete Ordner fehlen oder einen Kreis bilden. Von
gelöschten Einträgen übrig gebliebene Themenverknüpfungen sind harmlos: eine
Hinweiszeile zählt sie. Es liest nur; es repariert nichts.
Rückgabewert: 0 kein Problem, 3 Probleme gefunden, 2 das Journal konnte nicht
gelesen werden.
</translation>
    </message>
    <message>
        <source>Usage: qbk import JOURNAL --from FORMAT SOURCE [--folder NAME] [--topics-from-tags]
                  [--dry-run] [--password-stdin]

Imports entries into the journal, all in one step: a failure or an interruption
leaves the journal as it was. FORMAT is one of:
  rednotebook  a RedNotebook data folder (YYYY-MM.txt month files): one entry a
               day, at noon, its markup as formatting, its categories as a list
  markdown     a folder of .md and .txt files, one entry each, dated by the front
               matter&apos;s date:, a date in the file name or the file&apos;s time;
               sub-folders become folders. Reads what qbk export --split writes.
               Markdown tables stay text.
  quillbook    another journal: entries keep their ids, dates, comments, folders
               and topics; an entry already in the journal is skipped
  --folder NAME       import below this folder (a name, or an id in braces)
  --topics-from-tags  tags, categories and #hashtags become topics
  --dry-run           only tell how many entries would come, and from when
Files larger than 8 MB, binary files, broken YAML and folders nested deeper than
24 levels are each named on standard error and left out; the exit status is
then 3. With --password-stdin the first line is the journal&apos;s password and the
second the other journal&apos;s (empty lines for journals without one).
</source>
        <translation>Aufruf: qbk import JOURNAL --from FORMAT QUELLE [--folder NAME] [--topics-from-tags]
                  [--dry-run] [--password-stdin]

Importiert Einträge in das Journal, alle in einem Schritt: Ein Fehler oder eine
Unterbrechung lässt das Journal, wie es war. FORMAT ist eines von:
  rednotebook  ein RedNotebook-Datenordner (Monatsdateien JJJJ-MM.txt): ein
               Eintrag je Tag, um 12 Uhr, sein Markup als Formatierung, seine
               Kategorien als Liste
  markdown     ein Ordner mit .md- und .txt-Dateien, je ein Eintrag, datiert
               nach date: im Front Matter, einem Datum im Dateinamen oder der
               Zeit der Datei; Unterordner werden zu Ordnern. Liest, was
               qbk export --split schreibt. Markdown-Tabellen bleiben Text.
  quillbook    ein anderes Journal: Einträge behalten IDs, Daten, Kommentare,
               Ordner und Themen; ein Eintrag, der schon im Journal ist, wird
               übersprungen
  --folder NAME       unterhalb dieses Ordners importieren (ein Name oder eine
                      ID in geschweiften Klammern)
  --topics-from-tags  Tags, Kategorien und #Hashtags werden zu Themen
  --dry-run           nur sagen, wie viele Einträge kämen und aus welcher Zeit
Dateien über 8 MB, Binärdateien, fehlerhaftes YAML und Ordner, die tiefer als
24 Ebenen verschachtelt sind, werden je auf der Standardfehlerausgabe genannt
und ausgelassen; der Rückgabewert ist dann 3. Mit --password-stdin ist die erste
Zeile das Kennwort des Journals und die zweite das des anderen Journals (leere
Zeilen für Journale ohne Kennwort).
</translation>
    </message>
    <message>
        <source>show a journal&apos;s title, owner, revision, protection and counts</source>
        <translation>Titel, Besitzer, Revision, Schutz und Anzahlen eines Journals zeigen</translation>
    </message>
    <message>
        <source>list entries, by folder, date range and topics</source>
        <translation>Einträge auflisten, nach Ordner, Zeitraum und Themen</translation>
    </message>
    <message>
        <source>find entries by text, date range and topics</source>
        <translation>Einträge nach Text, Zeitraum und Themen finden</translation>
    </message>
    <message>
        <source>list folders with their ids, paths and entry counts</source>
        <translation>Ordner mit IDs, Pfaden und Zahl der Einträge auflisten</translation>
    </message>
    <message>
        <source>list topics with their ids and entry counts</source>
        <translation>Themen mit IDs und Zahl der Einträge auflisten</translation>
    </message>
    <message>
        <source>count entries, words and streaks of days written</source>
        <translation>Einträge, Wörter und Serien von Schreibtagen zählen</translation>
    </message>
    <message>
        <source>print an entry&apos;s text</source>
        <translation>den Text eines Eintrags ausgeben</translation>
    </message>
    <message>
        <source>create a new journal</source>
        <translation>ein neues Journal anlegen</translation>
    </message>
    <message>
        <source>add an entry from standard input</source>
        <translation>einen Eintrag aus der Standardeingabe hinzufügen</translation>
    </message>
    <message>
        <source>With --password-stdin the entry&apos;s text follows the password&apos;s line.
</source>
        <translation>Mit --password-stdin folgt der Text des Eintrags auf die Zeile des Kennworts.
</translation>
    </message>
    <message>
        <source>print entries to a PDF file</source>
        <translation>Einträge in eine PDF-Datei drucken</translation>
    </message>
    <message>
        <source>write entries to HTML, Markdown, plain text, ODT or PDF</source>
        <translation>Einträge als HTML, Markdown, reinen Text, ODT oder PDF schreiben</translation>
    </message>
    <message>
        <source>copy a journal safely, even while it is open</source>
        <translation>ein Journal sicher kopieren, auch während es geöffnet ist</translation>
    </message>
    <message>
        <source>look a journal over for damage (it repairs nothing)</source>
        <translation>ein Journal auf Schäden prüfen (es repariert nichts)</translation>
    </message>
    <message>
        <source>save what can still be read of a damaged journal</source>
        <translation>retten, was von einem beschädigten Journal noch lesbar ist</translation>
    </message>
    <message>
        <source>import entries from RedNotebook, Markdown or text files, or a journal</source>
        <translation>Einträge aus RedNotebook, Markdown- oder Textdateien oder einem Journal importieren</translation>
    </message>
    <message>
        <source>Usage: qbk COMMAND FILE [ARGUMENTS] [OPTIONS]

Reads and writes Quillbook journals (.qbk files).

Commands:
</source>
        <translation>Aufruf: qbk BEFEHL DATEI [ARGUMENTE] [OPTIONEN]

Liest und schreibt Quillbook-Journale (.qbk-Dateien).

Befehle:
</translation>
    </message>
    <message>
        <source>
Options may stand before or after the file name; &quot;--&quot; ends them.
A journal another program holds is waited for up to %1 seconds.
&quot;qbk COMMAND --help&quot; describes a command; &quot;qbk --version&quot; shows the version.

The journal is written only by create, add, import and search (its marks); the
other commands read it as it is.

Exit status: 0 success; 1 a mistake on the command line, or a name, id or
date range that matches nothing in the journal or more than one thing;
2 a file could not be read or written (the cause is one line on standard
error); 3 qbk check found problems, qbk rescue lost rows, or entries or
topics that cannot be read were skipped (each named on standard error).
</source>
        <translation>
Optionen können vor oder nach dem Dateinamen stehen; &quot;--&quot; beendet sie.
Auf ein Journal, das ein anderes Programm belegt, wird bis zu %1 Sekunden gewartet.
&quot;qbk BEFEHL --help&quot; beschreibt einen Befehl; &quot;qbk --version&quot; zeigt die Version.

In das Journal schreiben nur create, add, import und search (seine
Markierungen); die anderen Befehle lesen es, wie es ist.

Rückgabewert: 0 Erfolg; 1 ein Fehler in der Befehlszeile oder ein Name, eine ID
oder ein Zeitraum, der auf nichts im Journal oder auf mehr als eines passt;
2 eine Datei konnte nicht gelesen oder geschrieben werden (die Ursache steht in
einer Zeile auf der Standardfehlerausgabe); 3 qbk check hat Probleme gefunden,
qbk rescue hat Zeilen verloren, oder nicht lesbare Einträge oder Themen wurden
übersprungen (jeweils auf der Standardfehlerausgabe genannt).
</translation>
    </message>
    <message>
        <source>Usage: qbk rescue FILE OUT [--force]

Writes every row of a damaged journal that can still be read to a new journal
OUT, table by table, skipping the pages that cannot be read, and prints what
was saved and what was lost (with the ids of the entries lost where they can
be read). FILE is only read, never written. OUT appears only when complete;
an existing OUT is kept unless --force is given, and OUT is never FILE.
No password is needed: the rows stay enciphered.
  --force           replace OUT if it exists
Exit status: 0 nothing was lost, 3 some rows were lost, 2 nothing was written.
</source>
        <translation>Aufruf: qbk rescue DATEI AUS [--force]

Schreibt jede noch lesbare Zeile eines beschädigten Journals Tabelle für Tabelle
in ein neues Journal AUS, überspringt die Seiten, die nicht gelesen werden
können, und gibt aus, was gerettet wurde und was verloren ging (mit den IDs der
verlorenen Einträge, soweit lesbar). DATEI wird nur gelesen, nie geschrieben.
AUS erscheint erst, wenn es vollständig ist; ein vorhandenes AUS bleibt
erhalten, außer mit --force, und AUS ist nie DATEI.
Es ist kein Kennwort nötig: die Zeilen bleiben verschlüsselt.
  --force           AUS ersetzen, wenn es vorhanden ist
Rückgabewert: 0 nichts ging verloren, 3 einige Zeilen gingen verloren, 2 nichts
wurde geschrieben.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unknown option --%1</source>
        <translation>unbekannte Option --%1</translation>
    </message>
    <message>
        <source>option --%1 takes no value</source>
        <translation>Option --%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>option --%1 needs a value</source>
        <translation>Option --%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>option --%1 may be given only once</source>
        <translation>Option --%1 darf nur einmal angegeben werden</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>%1 erwartet</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Kennwort für %1: </translation>
    </message>
    <message>
        <source>option --%1 needs a date as YYYY-MM-DD, not %2</source>
        <translation>Option --%1 braucht ein Datum als JJJJ-MM-TT, nicht %2</translation>
    </message>
    <message>
        <source>the day of --from is after the day of --to</source>
        <translation>der Tag bei --from liegt nach dem Tag bei --to</translation>
    </message>
    <message>
        <source>standard input holds no text (--allow-empty stores an empty entry)</source>
        <translation>die Standardeingabe enthält keinen Text (--allow-empty speichert einen leeren Eintrag)</translation>
    </message>
    <message>
        <source>standard input is not whole RTF: %1</source>
        <translation>die Standardeingabe ist kein vollständiges RTF: %1</translation>
    </message>
    <message>
        <source>standard input is neither RTF nor UTF-8 text</source>
        <translation>die Standardeingabe ist weder RTF noch UTF-8-Text</translation>
    </message>
    <message>
        <source>option --format is required (html, md, txt, odt or pdf)</source>
        <translation>Option --format ist erforderlich (html, md, txt, odt oder pdf)</translation>
    </message>
    <message>
        <source>unknown format %1 (html, md, txt, odt or pdf)</source>
        <translation>unbekanntes Format %1 (html, md, txt, odt oder pdf)</translation>
    </message>
    <message>
        <source>option --out is required</source>
        <translation>Option --out ist erforderlich</translation>
    </message>
    <message>
        <source>no entry matches the choice</source>
        <translation>kein Eintrag entspricht der Auswahl</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei ist nicht vorhanden</translation>
    </message>
    <message>
        <source>The journal is protected by a password; type it on a terminal or give it with --password-stdin.</source>
        <translation>Das Journal ist durch ein Kennwort geschützt; geben Sie es auf einem Terminal ein oder übergeben Sie es mit --password-stdin.</translation>
    </message>
    <message>
        <source>the journal&apos;s content key does not decipher</source>
        <translation>der Inhaltsschlüssel des Journals lässt sich nicht entschlüsseln</translation>
    </message>
    <message>
        <source>option --from is required (rednotebook, markdown or quillbook)</source>
        <translation>Option --from ist erforderlich (rednotebook, markdown oder quillbook)</translation>
    </message>
    <message>
        <source>unknown format %1 (rednotebook, markdown or quillbook)</source>
        <translation>unbekanntes Format %1 (rednotebook, markdown oder quillbook)</translation>
    </message>
    <message>
        <source>a journal cannot be imported into itself</source>
        <translation>ein Journal kann nicht in sich selbst importiert werden</translation>
    </message>
    <message>
        <source>no folder named %1</source>
        <translation>kein Ordner namens %1</translation>
    </message>
    <message>
        <source>more than one folder is named %1; give its id instead</source>
        <translation>mehr als ein Ordner heißt %1; geben Sie stattdessen seine ID an</translation>
    </message>
    <message>
        <source>no topic named %1</source>
        <translation>kein Thema namens %1</translation>
    </message>
    <message>
        <source>more than one topic is named %1; give its id instead</source>
        <translation>mehr als ein Thema heißt %1; geben Sie stattdessen seine ID an</translation>
    </message>
    <message>
        <source>no entry with id %1</source>
        <translation>kein Eintrag mit der ID %1</translation>
    </message>
    <message>
        <source>more than one entry&apos;s id starts with %1</source>
        <translation>die ID mehr als eines Eintrags beginnt mit %1</translation>
    </message>
    <message>
        <source>The journal was not created.</source>
        <translation>Das Journal wurde nicht angelegt.</translation>
    </message>
    <message>
        <source>unknown command %1 (see qbk --help)</source>
        <translation>unbekannter Befehl %1 (siehe qbk --help)</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Printed %1 %2 on %3 %4.
</source>
        <translation>%1 %2 auf %3 %4 gedruckt.
</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>New password: </source>
        <translation>Neues Kennwort: </translation>
    </message>
    <message>
        <source>Type it again: </source>
        <translation>Noch einmal eingeben: </translation>
    </message>
    <message>
        <source>a new journal needs a --title that is not empty</source>
        <translation>ein neues Journal braucht einen --title, der nicht leer ist</translation>
    </message>
    <message>
        <source>Type the entry; end it with Ctrl-D on a line of its own.
</source>
        <translation>Geben Sie den Eintrag ein; beenden Sie ihn mit Strg-D in einer eigenen Zeile.
</translation>
    </message>
    <message>
        <source>the entry was not saved</source>
        <translation>der Eintrag wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>(see qbk %1 --help)</source>
        <translation>(siehe qbk %1 --help)</translation>
    </message>
</context>
<context>
    <name>quillbook</name>
    <message>
        <source>Usage: quillbook [OPTIONS] [JOURNAL.qbk]

Quillbook is a desktop journal. It opens the journal named, or offers the Welcome
dialog (new journal, open a journal, open the last journal).

If Quillbook is already running for this user and display, the journal is handed
to that program, which opens it (closing its current journal first) and comes to
the front; without a journal the running program just comes to the front.

Options:
  --nosplash            start without the start-up picture and its pauses
  --make-sample FILE    write a sample journal to FILE (never replacing a file)
                        and stop; needs no display
  -h, --help            show this help and stop
  -v, --version         show the version and stop

Files:
  ~/.config/Orrinvale/Quillbook.conf   settings and the recent journals

Options it does not know are reported on standard error and ignored.

Exit status: 0 when the program ends normally or has handed its journal over to
the running one, 1 when the journal named cannot be read, 2 when --make-sample
has no file.
</source>
        <translation>Aufruf: quillbook [OPTIONEN] [JOURNAL.qbk]

Quillbook ist ein Tagebuchprogramm. Es öffnet das angegebene Journal oder bietet den
Willkommensdialog an (neues Journal, Journal öffnen, letztes Journal öffnen).

Läuft Quillbook für diesen Benutzer und diese Anzeige bereits, wird das Journal an
dieses Programm übergeben; es öffnet es (nachdem es sein aktuelles Journal
geschlossen hat) und kommt in den Vordergrund; ohne Journal kommt das laufende
Programm nur in den Vordergrund.

Optionen:
  --nosplash            ohne Startbild und dessen Pausen starten
  --make-sample DATEI   ein Beispieljournal in DATEI schreiben (ersetzt nie eine
                        Datei) und beenden; braucht keine Anzeige
  -h, --help            diese Hilfe zeigen und beenden
  -v, --version         die Version zeigen und beenden

Dateien:
  ~/.config/Orrinvale/Quillbook.conf   Einstellungen und die zuletzt geöffneten Journale

Unbekannte Optionen werden auf der Standardfehlerausgabe gemeldet und ignoriert.

Rückgabewert: 0, wenn das Programm normal endet oder sein Journal an das laufende
übergeben hat, 1, wenn das angegebene Journal nicht gelesen werden kann, 2, wenn
--make-sample keine Datei hat.
</translation>
    </message>
    <message>
        <source>usage: quillbook --make-sample PATH
</source>
        <translation>Aufruf: quillbook --make-sample PFAD
</translation>
    </message>
    <message>
        <source>quillbook: ignoring unknown option %1
</source>
        <translation>quillbook: unbekannte Option %1 wird ignoriert
</translation>
    </message>
</context>
</TS>
