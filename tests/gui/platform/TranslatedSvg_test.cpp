#include "gui/platform/TranslatedSvg.h"
#include "support/GuiTest.h"

#include <QCoreApplication>
#include <QFile>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

class GermanTranslator : public QTranslator {
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* text, const char*, int) const override {
        return qstrcmp(text, "Welcome") == 0 ? QStringLiteral("Willkommen")
               : qstrcmp(text, "Q&A") == 0   ? QStringLiteral("<F & A>")
                                             : QString();
    }
};

TEST(TranslatedSvg, OnlyWholeTextElementsAreReplacedAndTheirMarkupEscaped) {
    ensureApplication();
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("p.svg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"><g id=\"Welcome\">"
        "<text>Welcome</text><text>Welcome back</text><text>Q&amp;A</text></g></svg>");
    file.close();
    GermanTranslator german;
    QCoreApplication::installTranslator(&german);
    const QByteArray svg = translatedSvg(file.fileName(), "Picture", {"Welcome", "Q&A"});
    QCoreApplication::removeTranslator(&german);
    EXPECT_TRUE(svg.contains("id=\"Welcome\"><text>Willkommen</text><text>Welcome back<"));
    EXPECT_TRUE(svg.contains("<text>&lt;F &amp; A&gt;</text>")) << svg.toStdString();
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    EXPECT_TRUE(translatedSvg(dir.filePath(QStringLiteral("none.svg")), "Picture", {}).isEmpty());
}

} // namespace
