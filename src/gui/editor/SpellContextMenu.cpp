#include "gui/editor/SpellContextMenu.h"

#include "core/platform/TextEncoding.h"
#include "core/spelling/SpellingService.h"
#include "core/spelling/SpellingTexts.h"
#include "core/spelling/TextChange.h"
#include "core/spelling/WordSplitter.h"
#include "gui/editor/DocumentSpellSink.h"
#include "gui/platform/MessageBoxes.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTextBlock>
#include <QTextEdit>

namespace {

constexpr int kMenuSuggestions = 5;

QAction* makeAction(QMenu& menu, const QString& text, const QString& name) {
    auto* action = new QAction(text, &menu);
    action->setObjectName(name);
    return action;
}

} // namespace

bool addSpellingItems(QMenu& menu, QTextEdit& editor, int position, SpellingService& words) {
    const QTextBlock block = editor.document()->findBlock(position);
    if (!block.isValid())
        return false;
    const QString text = block.text();
    const qsizetype inBlock = position - block.position();
    // The word the position is in or just after.
    const auto span = spelling::wordAtOrAfter(text, std::max<qsizetype>(0, inBlock - 1));
    if (!span || span->start > inBlock)
        return false;
    const QString word = text.mid(span->start, span->length);
    if (!words.isMisspelt(word))
        return false;

    const int wordStart = block.position() + static_cast<int>(span->start);
    QList<QAction*> items;
    const QStringList suggestions = words.suggestions(word, kMenuSuggestions);
    QPointer<QTextEdit> target(&editor);
    for (int i = 0; i < suggestions.size(); ++i) {
        QAction* item =
            makeAction(menu, suggestions[i], QStringLiteral("spellSuggestion%1").arg(i));
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        QObject::connect(item, &QAction::triggered, &menu,
                         [target, wordStart, word, to = suggestions[i]] {
                             if (!target)
                                 return;
                             DocumentSpellSink(*target->document())
                                 .apply(spelling::replaceWord(wordStart, word, to));
                         });
        items.push_back(item);
    }
    if (suggestions.isEmpty()) {
        QAction* none =
            makeAction(menu, spellingtexts::noSuggestions(), QStringLiteral("spellNoSuggestions"));
        none->setEnabled(false);
        items.push_back(none);
    }
    QAction* ignoreAll =
        makeAction(menu, spellingtexts::ignoreAll(), QStringLiteral("spellIgnoreAll"));
    QObject::connect(ignoreAll, &QAction::triggered, &words,
                     [&words, word] { words.ignoreAll(word); });
    QAction* add =
        makeAction(menu, spellingtexts::addToDictionary(), QStringLiteral("spellAddToDictionary"));
    QObject::connect(add, &QAction::triggered, &words, [&words, word, target] {
        if (const auto problem = words.addToDictionary(word))
            showMessageBox(target,
                           {textToStored(*problem), MessageButtons::Ok, MessageIcon::Exclamation});
    });
    items << ignoreAll << add;

    QAction* before = menu.actions().isEmpty() ? nullptr : menu.actions().front();
    menu.insertActions(before, items);
    menu.insertSeparator(before);
    menu.insertSeparator(ignoreAll);
    return true;
}
