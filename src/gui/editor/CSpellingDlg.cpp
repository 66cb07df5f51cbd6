#include "gui/editor/CSpellingDlg.h"

#include "core/platform/TextEncoding.h"
#include "core/spelling/SpellingService.h"
#include "core/spelling/SpellingSession.h"
#include "core/spelling/SpellingTexts.h"
#include "gui/editor/DocumentSpellSink.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/MessageBoxes.h"
#include "render/PaletteContrast.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

namespace {

constexpr qsizetype kContextAround = 60;
constexpr int kSuggestions = 12;

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

int CSpellingDlg::check(QTextEdit& target, SpellingService& words, QWidget* parent) {
    CSpellingDlg dialog(target, words, parent);
    if (!dialog.showNext())
        return Complete;
    return dialog.exec();
}

CSpellingDlg::CSpellingDlg(QTextEdit& target, SpellingService& words, QWidget* parent)
    : QDialog(parent), m_target(target),
      m_sink(std::make_unique<DocumentSpellSink>(*target.document())) {
    setObjectName(QStringLiteral("CSpellingDlg"));
    setWindowTitle(spellingtexts::dialogTitle());
    m_session = std::make_unique<SpellingSession>(words, target.document()->toPlainText(),
                                                  target.textCursor().selectionStart(), *m_sink);

    m_context = new QLabel;
    m_context->setTextFormat(Qt::RichText);
    m_context->setWordWrap(true);
    m_context->setFrameShape(QFrame::StyledPanel);
    m_context->setMinimumSize(360, 64);
    m_context->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_context->setTextInteractionFlags(Qt::NoTextInteraction);
    setControlId(m_context, IdContext);
    m_changeTo = new QLineEdit;
    setControlId(m_changeTo, IdChangeTo);
    m_suggestions = new QListWidget;
    setControlId(m_suggestions, IdSuggestions);
    // A list is not named by its label's buddy link.
    m_suggestions->setAccessibleName(spellingtexts::suggestionsLabel().remove(QLatin1Char('&')));

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(spellingtexts::notInDictionary()));
    left->addWidget(m_context);
    left->addWidget(buddyLabel(spellingtexts::changeTo(), m_changeTo));
    left->addWidget(m_changeTo);
    left->addWidget(buddyLabel(spellingtexts::suggestionsLabel(), m_suggestions));
    left->addWidget(m_suggestions, 1);

    auto* right = new QVBoxLayout;
    auto* change = button(spellingtexts::change(), IdChange);
    right->addWidget(button(spellingtexts::ignore(), IdIgnore));
    right->addWidget(button(spellingtexts::ignoreAll(), IdIgnoreAll));
    right->addSpacing(8);
    right->addWidget(change);
    right->addWidget(button(spellingtexts::changeAll(), IdChangeAll));
    right->addSpacing(8);
    right->addWidget(button(spellingtexts::add(), IdAdd));
    right->addStretch(1);
    right->addWidget(button(spellingtexts::cancel(), IdCancel));
    change->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(m_suggestions, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (m_suggestions->currentItem() &&
            (m_suggestions->currentItem()->flags() & Qt::ItemIsSelectable))
            m_changeTo->setText(text);
    });
    connect(m_suggestions, &QListWidget::itemDoubleClicked, change, &QPushButton::click);
    connect(findControl<QPushButton>(this, IdIgnore), &QPushButton::clicked, this, [this] {
        m_session->ignore();
        answered();
    });
    connect(findControl<QPushButton>(this, IdIgnoreAll), &QPushButton::clicked, this, [this] {
        m_session->ignoreAll();
        answered();
    });
    connect(change, &QPushButton::clicked, this, [this] {
        m_session->change(m_changeTo->text());
        answered();
    });
    connect(findControl<QPushButton>(this, IdChangeAll), &QPushButton::clicked, this, [this] {
        m_session->changeAll(m_changeTo->text());
        answered();
    });
    connect(findControl<QPushButton>(this, IdAdd), &QPushButton::clicked, this, [this] {
        if (const auto problem = m_session->add())
            showMessageBox(this,
                           {textToStored(*problem), MessageButtons::Ok, MessageIcon::Exclamation});
        answered();
    });
    connect(findControl<QPushButton>(this, IdCancel), &QPushButton::clicked, this,
            &QDialog::reject);
}

CSpellingDlg::~CSpellingDlg() = default;

QPushButton* CSpellingDlg::button(const QString& text, int id) {
    auto* pushButton = new QPushButton(text);
    pushButton->setAutoDefault(false);
    setControlId(pushButton, id);
    return pushButton;
}

bool CSpellingDlg::showNext() {
    if (!m_session->findNext())
        return false;
    const auto context = m_session->context(kContextAround);
    // Red where it reads on the dialog, a lighter red on a dark one.
    const QColor mark = PaletteContrast::readableOn(palette().color(QPalette::Window),
                                                    {QColor(0xc0, 0, 0), QColor(0xff, 0x80, 0x80)});
    m_context->setText(context.before.toHtmlEscaped() +
                       QStringLiteral("<b><font color=\"%1\">").arg(mark.name()) +
                       context.word.toHtmlEscaped() + QStringLiteral("</font></b>") +
                       context.after.toHtmlEscaped());

    m_suggestions->clear();
    const QStringList suggestions = m_session->suggestions(kSuggestions);
    if (suggestions.isEmpty()) {
        auto* none = new QListWidgetItem(spellingtexts::noSuggestions(), m_suggestions);
        none->setFlags(Qt::NoItemFlags);
        m_changeTo->setText(m_session->word());
    } else {
        m_suggestions->addItems(suggestions);
        m_suggestions->setCurrentRow(0);
        m_changeTo->setText(suggestions.front());
    }
    m_changeTo->selectAll();
    m_changeTo->setFocus();

    // The word selected in the editor, so the user sees where it is.
    QTextCursor cursor(m_target.document());
    cursor.setPosition(m_session->wordStart());
    cursor.setPosition(m_session->wordStart() + m_session->word().size(), QTextCursor::KeepAnchor);
    m_target.setTextCursor(cursor);
    m_target.ensureCursorVisible();
    return true;
}

void CSpellingDlg::answered() {
    if (!showNext())
        done(Complete);
}

void CSpellingDlg::reject() {
    done(Cancelled);
}
