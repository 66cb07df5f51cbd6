#include "gui/editor/EditorSpelling.h"

#include "core/spelling/SpellingTexts.h"
#include "gui/editor/SpellCheckCommand.h"
#include "gui/editor/SpellContextMenu.h"
#include "gui/editor/SpellHighlighter.h"
#include "gui/editor/SpellingEngine.h"

#include <QActionGroup>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

EditorSpelling::EditorSpelling(QTextEdit& editor, SpellingEngine& engine)
    : QObject(&editor), m_editor(editor), m_engine(engine),
      m_highlighter(new SpellHighlighter(editor.document())) {
    m_highlighter->setParent(this);
    connect(m_highlighter, &SpellHighlighter::uncheckedBlocksLeft, this,
            &EditorSpelling::checkShownBlocks);
    // Scrolling shows other blocks.
    connect(editor.verticalScrollBar(), &QScrollBar::valueChanged, this,
            &EditorSpelling::checkShownBlocks);
    connect(&engine, &SpellingEngine::asYouTypeChanged, this, &EditorSpelling::useEngine);
    connect(&engine, &SpellingEngine::serviceChanged, this, &EditorSpelling::useEngine);
    useEngine();
}

void EditorSpelling::useEngine() {
    m_highlighter->setService(m_engine.asYouType() ? m_engine.service() : nullptr);
}

void EditorSpelling::checkShownBlocks() {
    constexpr int kBlocksAfter = 20; // so that scrolling on a little finds them checked
    const QWidget* port = m_editor.viewport();
    const QTextBlock first = m_editor.cursorForPosition(QPoint(0, 0)).block();
    QTextBlock last = m_editor.cursorForPosition(QPoint(port->width(), port->height())).block();
    for (int i = 0; i < kBlocksAfter && last.next().isValid(); ++i)
        last = last.next();
    m_highlighter->checkBlocks(first, last);
}

void EditorSpelling::checkSpelling(QWidget* parent) {
    ::checkSpelling(m_editor, m_engine.service(), m_engine.unavailableReason(), parent);
}

void EditorSpelling::addContextItems(QMenu* menu, const QPoint& globalPos, bool fromKeyboard) {
    SpellingService* words = m_engine.service();
    if (menu == nullptr || words == nullptr)
        return;
    const int position =
        fromKeyboard
            ? m_editor.textCursor().position()
            : m_editor.cursorForPosition(m_editor.viewport()->mapFromGlobal(globalPos)).position();
    addSpellingItems(*menu, m_editor, position, *words);
}

void EditorSpelling::addToolsItems(QMenu& tools, SpellingEngine& engine) {
    QAction* asYouType = tools.addAction(spellingtexts::spellAsYouType());
    asYouType->setObjectName(QStringLiteral("spellAsYouType"));
    asYouType->setCheckable(true);
    asYouType->setChecked(engine.asYouType());
    asYouType->setEnabled(!engine.dictionaries().isEmpty());
    QObject::connect(asYouType, &QAction::toggled, &engine, &SpellingEngine::setAsYouType);
    QObject::connect(&engine, &SpellingEngine::asYouTypeChanged, asYouType, &QAction::setChecked);

    QMenu* dictionaries = tools.addMenu(spellingtexts::dictionaryMenu());
    dictionaries->setObjectName(QStringLiteral("spellDictionaryMenu"));
    auto* group = new QActionGroup(dictionaries);
    for (const QString& name : engine.dictionaries()) {
        QAction* choice = dictionaries->addAction(name);
        choice->setObjectName(QStringLiteral("spellDictionary_") + name);
        choice->setCheckable(true);
        choice->setChecked(name == engine.dictionaryName());
        group->addAction(choice);
        QObject::connect(choice, &QAction::triggered, &engine,
                         [&engine, name] { engine.setDictionary(name); });
    }
    dictionaries->setEnabled(!group->actions().isEmpty());
}
