#include "support/FakePanes.h"

#include "gui/platform/ControlId.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

FakePane::FakePane(CQBKView::Pane paneKind, QWidget* parent)
    : PaneWidget(parent), kind(paneKind), field(new QLineEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    if (kind == CQBKView::Pane::FolderTree || kind == CQBKView::Pane::TopicList) {
        closeButton = new QToolButton(this);
        setControlId(closeButton, kind == CQBKView::Pane::FolderTree ? 101 : 102);
        layout->addWidget(closeButton);
        connect(closeButton, &QToolButton::clicked, this, &PaneWidget::closeRequested);
    }
    layout->addWidget(field);
}

bool FakePane::handleCommand(CommandId id) {
    if (!handled.contains(id))
        return false;
    ran.push_back(id);
    return true;
}

CQBKView::PaneFactory fakePanes(std::array<FakePane*, 4>& made) {
    CQBKView::PaneFactory factory;
    factory.make = [&made](CQBKView::Pane kind, CQBKDoc&, JournalUi&, QWidget* parent) {
        auto* pane = new FakePane(kind, parent);
        made[static_cast<std::size_t>(kind)] = pane;
        return static_cast<PaneWidget*>(pane);
    };
    return factory;
}
