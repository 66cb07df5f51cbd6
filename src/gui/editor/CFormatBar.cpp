#include "gui/editor/CFormatBar.h"

#include "core/platform/CommandIds.h"
#include "core/platform/TextEncoding.h"
#include "gui/dialogs/DialogParts.h"
#include "gui/platform/CommandActions.h"
#include "gui/platform/ControlId.h"
#include "gui/platform/PaletteWatch.h"
#include "gui/platform/ThemeIcons.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QLineEdit>

#include <utility>

namespace {

struct FormatButton {
    CommandId id;
    const char* label;
    const char* theme; // the icon theme's name; our own image where the theme has none
    const char* image;
    const char* name;
    bool checkable;
};

constexpr FormatButton kButtons[] = {
    {ID_FORMAT_BOLD, QT_TRANSLATE_NOOP("CFormatBar", "Bold"), "format-text-bold", "bold",
     "formatBold", true},
    {ID_FORMAT_ITALIC, QT_TRANSLATE_NOOP("CFormatBar", "Italic"), "format-text-italic", "italic",
     "formatItalic", true},
    {ID_FORMAT_UNDERLINE, QT_TRANSLATE_NOOP("CFormatBar", "Underline"), "format-text-underline",
     "underline", "formatUnderline", true},
    {0, nullptr, nullptr, nullptr, nullptr, false},
    {ID_FORMAT_ALIGN_LEFT, QT_TRANSLATE_NOOP("CFormatBar", "Align Left"), "format-justify-left",
     "align-left", "formatAlignLeft", true},
    {ID_FORMAT_CENTER, QT_TRANSLATE_NOOP("CFormatBar", "Center"), "format-justify-center",
     "align-center", "formatCenter", true},
    {ID_FORMAT_ALIGN_RIGHT, QT_TRANSLATE_NOOP("CFormatBar", "Align Right"), "format-justify-right",
     "align-right", "formatAlignRight", true},
    {0, nullptr, nullptr, nullptr, nullptr, false},
    {ID_FORMAT_BULLETS, QT_TRANSLATE_NOOP("CFormatBar", "Bullets"), "format-list-unordered",
     "list-bullets", "formatBullets", true},
    {ID_FORMAT_NUMBERING, QT_TRANSLATE_NOOP("CFormatBar", "Numbering"), "format-list-ordered",
     "list-numbers", "formatNumbering", true},
    {ID_FORMAT_OUTDENT, QT_TRANSLATE_NOOP("CFormatBar", "Decrease Indent"), "format-indent-less",
     "indent-less", "formatOutdent", false},
    {ID_FORMAT_INDENT, QT_TRANSLATE_NOOP("CFormatBar", "Increase Indent"), "format-indent-more",
     "indent-more", "formatIndent", false},
    {0, nullptr, nullptr, nullptr, nullptr, false},
    {ID_FORMAT_TEXT_COLOR, QT_TRANSLATE_NOOP("CFormatBar", "Text Color"), "format-text-color",
     "text-color", "formatTextColor", false},
    {ID_FORMAT_HIGHLIGHT, QT_TRANSLATE_NOOP("CFormatBar", "Highlight"), "format-text-highlight",
     "highlight", "formatHighlight", true},
    {ID_FORMAT_CLEAR, QT_TRANSLATE_NOOP("CFormatBar", "Clear Formatting"), "format-text-clear",
     "clear-format", "formatClear", false},
};

QComboBox* makeBox(QWidget* parent, int id, const char* name, int widthInChars) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    setControlId(box, id);
    // Editable, so a face that is not installed or a size not in the list shows as it is.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(widthInChars);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMaxVisibleItems(16);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

} // namespace

CFormatBar::CFormatBar(CommandActions& actions, QWidget* parent)
    : QToolBar(tr("Format Bar"), parent), m_face(makeBox(this, kFaceBoxId, "faceBox", 22)),
      m_size(makeBox(this, kSizeBoxId, "sizeBox", 4)) {
    setObjectName(QStringLiteral("formatBar"));
    setControlId(this, kControlId);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));

    QStringList faces;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isScalable(family) && !QFontDatabase::isPrivateFamily(family))
            faces.append(family);
    faces.sort(Qt::CaseInsensitive);
    m_face->addItems(faces);
    for (int points : CharFormatRules::kListedSizes)
        m_size->addItem(QString::number(points));
    m_face->setCurrentIndex(-1);
    m_size->setCurrentIndex(-1);
    // An editable list is otherwise named by what it shows, which is nothing on a mixed
    // selection.
    for (auto [box, name] : {std::pair{m_face, QT_TRANSLATE_NOOP("CFormatBar", "Font")},
                             std::pair{m_size, QT_TRANSLATE_NOOP("CFormatBar", "Font size")}}) {
        const QString text = QCoreApplication::translate("CFormatBar", name);
        labelForScreenReaders(box, text);
        box->lineEdit()->setAccessibleName(text);
    }

    addWidget(m_face);
    addSeparator();
    addWidget(m_size);
    addSeparator();
    for (const FormatButton& button : kButtons) {
        if (button.id == 0) {
            addSeparator();
            continue;
        }
        QAction* action =
            actions.add(button.id, QCoreApplication::translate("CFormatBar", button.label),
                        QString::fromLatin1(button.name));
        action->setCheckable(button.checkable);
        addAction(action);
        m_buttons.push_back(action);
    }
    PaletteWatch::follow(this, [this] { ShowIcons(); });

    connect(m_face, &QComboBox::textActivated, this, &CFormatBar::FaceChosen);
    connect(m_face->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { FaceChosen(m_face->currentText()); });
    connect(m_size, &QComboBox::textActivated, this, &CFormatBar::SizeChosen);
    connect(m_size->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { SizeChosen(m_size->currentText()); });
}

void CFormatBar::ShowIcons() {
    auto action = m_buttons.begin();
    for (const FormatButton& button : kButtons) {
        if (button.id == 0)
            continue;
        const QString image =
            QStringLiteral(":/images/editor/%1.svg").arg(QString::fromLatin1(button.image));
        (*action++)->setIcon(inkedThemeIcon(button.theme, image, palette()));
    }
}

void CFormatBar::FaceChosen(const QString& text) {
    const auto format = CharFormatRules::faceChoice(textToStored(text));
    if (format)
        emit formatChosen(*format);
}

void CFormatBar::SizeChosen(const QString& text) {
    const auto format = CharFormatRules::sizeChoice(textToStored(text));
    if (format)
        emit formatChosen(*format);
}

void CFormatBar::Show(QComboBox* box, const QString& text) {
    if (box->currentText() == text)
        return;
    // The entry whose text is exactly this one, never one that merely begins with it.
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(text);
}

void CFormatBar::ShowSelectionFormat(const PendingCharFormat& selection) {
    const QWidget* focus = QApplication::focusWidget();
    if (focus && (m_face->isAncestorOf(focus) || focus == m_face || m_size->isAncestorOf(focus) ||
                  focus == m_size))
        return;
    Show(m_face, storedToText(CharFormatRules::faceBoxText(selection)));
    Show(m_size, QString::fromLatin1(CharFormatRules::sizeBoxText(selection)));
}
