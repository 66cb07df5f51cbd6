// The recovery test's child: starts as quillbook does (on the journal named), puts
// formatted text into a new entry without saving it, prints its RTF (in hex) and waits to be
// killed.
#include "gui/app/BrowserPanes.h"
#include "gui/app/CJournalApp.h"
#include "gui/editor/CEntryView.h"
#include "gui/editor/EntryEditorTemplate.h"

#include <QApplication>
#include <QTextCursor>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CJournalApp app(browserPanes());
    if (!app.InitInstance(StartOptions::parse(QCoreApplication::arguments().mid(1))))
        return 1;
    app.Editor()->NewEntry();
    CEntryView& view = app.Editor()->Frame()->View();
    QTextCursor cursor = view.textCursor();
    cursor.insertText(QStringLiteral("Written before the crash, "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("in bold"), bold);
    std::printf("%s\n", QByteArray::fromStdString(view.GetEntryText()).toHex().constData());
    std::fflush(stdout);
    return QApplication::exec();
}
