<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
