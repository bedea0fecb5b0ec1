// Every text of the window fits as it does on a plain 96-dpi screen, at any
// scale factor and with any font DPI: ctest runs this suite under
// QT_SCALE_FACTOR 1.25 to 2 and under QT_FONT_DPI 120 and 144 with Qt's
// scaling off. Each run starts itself once more on a plain screen
// (--reference) and compares, text by text: whatever fits there must fit
// here, and a label's text must reach as far, within a pixel.

#include "support/window_test.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QStyleOptionButton>
#include <QTextStream>

#include <cmath>

namespace {

const char *const ReferenceFlag = "--reference";

// How much room a text needs and has, in the window's pixels.
struct Fit
{
    QString text;
    double need = 0;
    double room = 0;
    double ink = -1; // labels only: the last column the drawn text inks
    bool fits() const { return need <= room + 0.01 && (ink < 0 || ink < room); }
};

double inkReach(QLabel *label)
{
    const qreal ratio = label->devicePixelRatioF();
    QImage image(label->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    const QRgb paper = label->palette().color(QPalette::Window).rgb();
    for (int col = image.width() - 1; col >= 0; --col)
        for (int row = 0; row < image.height(); ++row) {
            const QRgb p = image.pixel(col, row);
            if (qAlpha(p) > 64 && (!label->autoFillBackground() || std::abs(qGray(p) - qGray(paper)) > 48))
                return (col + 1) / ratio;
        }
    return 0;
}

Fit fitOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return {label->text(), QFontMetricsF(label->font(), label).horizontalAdvance(label->text()),
                double(label->width()), inkReach(label)};
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const double advance = QFontMetricsF(button->font(), button).horizontalAdvance(button->text());
        if (qobject_cast<QCheckBox *>(w)) {
            const QRect text = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
            return {button->text(), text.left() + advance, double(button->width())};
        }
        const QRect text = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return {button->text(), advance, double(text.width())};
    }
    auto *box = qobject_cast<RichTextBox *>(w);
    return {QStringLiteral("question"), box->document()->size().height(), double(box->viewport()->height())};
}

// The longest question the program can compose: three times the widest
// negative level statement, on the last screen.
QString longestQuestion(const QFont &font)
{
    const QStringList names = {"Vitesse", "Moteur", "Huile", "Essence", "Pression", "Altitude"};
    const QStringList relations = {"supérieur à niveau ", "inférieur à niveau ", "différent de niveau "};
    const QFontMetricsF metrics(font);
    QString widest;
    for (const QString &first : names)
        for (const QString &relation : relations)
            for (const QString &second : names) {
                const QString statement = "niveau " + first + " n'est pas " + relation + second;
                if (metrics.horizontalAdvance(statement) > metrics.horizontalAdvance(widest))
                    widest = statement;
            }
    const QString breaks = "\r\n\r\n";
    return " 60)" + breaks + "   a) " + widest + breaks + "   b) " + widest + breaks + "   c) " + widest;
}

// What the window shows through the waiting state, a few screens of one
// fixed test with "Réponses" ticked and a tick of the countdown, and the
// widest texts a test can bring, keyed by step and control.
QMap<QString, Fit> fits()
{
    FakeHost host;
    SeededDraws draws(606);
    Form1 form(host, draws);
    form.show();
    QMap<QString, Fit> found;
    const auto record = [&](const QString &step) {
        for (QWidget *w : form.findChildren<QWidget *>()) {
            const bool text = qobject_cast<QLabel *>(w) ? !qobject_cast<QLabel *>(w)->text().isEmpty()
                                                         : qobject_cast<QAbstractButton *>(w)
                                                               || qobject_cast<RichTextBox *>(w);
            if (w->isVisible() && text)
                found.insert(step + QLatin1Char('/') + w->objectName(), fitOf(w));
        }
    };
    record(QStringLiteral("waiting"));
    pressSuivant(form);
    form.findChild<QTimer *>("Timer1")->stop();
    form.Timer1_Timer();
    QTest::mouseClick(control<QCheckBox>(form, "cckAnswers"), Qt::LeftButton);
    for (int screen = 1; screen <= 8; ++screen) {
        record(QStringLiteral("screen%1").arg(screen));
        pressSuivant(form);
    }

    for (int i = 1; i <= 6; ++i)
        control<QLabel>(form, QStringLiteral("Valu%1").arg(i))->setText(QStringLiteral("10000"));
    control<QLabel>(form, "ScoreShow")->setText(QStringLiteral("Score : 59 /  59"));
    control<QLabel>(form, "Temps")->setText(QStringLiteral("Temps restant 13 '  59 ''"));
    auto *question = control<RichTextBox>(form, "rtfAnswer");
    question->setText(longestQuestion(question->font()));
    record(QStringLiteral("widest"));
    return found;
}

bool plainScreen()
{
    return qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") && qEnvironmentVariableIsEmpty("QT_FONT_DPI");
}

} // namespace

class TextFitTest : public WindowTest
{
    Q_OBJECT

private slots:
    // The screen is the one the run was started for, or nothing is proved.
    void screenAsAsked()
    {
        QVERIFY2(!plainScreen(), "run under QT_SCALE_FACTOR or QT_FONT_DPI");
        const Form1 &form = window();
        const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(form.devicePixelRatioF(), scale);
        if (!qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
            QCOMPARE(form.logicalDpiX(), qEnvironmentVariableIntValue("QT_FONT_DPI"));
    }

    void textsFitAsOnAPlainScreen()
    {
        QProcess reference;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_SCALE_FACTOR", "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING"})
            environment.remove(QString::fromLatin1(name));
        reference.setProcessEnvironment(environment);
        reference.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ReferenceFlag)});
        QVERIFY(reference.waitForFinished(60000));
        QCOMPARE(reference.exitCode(), 0);

        QMap<QString, Fit> plain;
        const QStringList lines = QString::fromUtf8(reference.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        for (const QString &line : lines) {
            const QStringList f = line.split('\t');
            QCOMPARE(f.size(), 5);
            plain.insert(f[0], Fit{f[4], f[1].toDouble(), f[2].toDouble(), f[3].toDouble()});
        }

        const QMap<QString, Fit> here = fits();
        QCOMPARE(here.keys(), plain.keys());
        QVERIFY(here.size() > 150);
        for (auto it = here.cbegin(); it != here.cend(); ++it) {
            const Fit &one = plain[it.key()];
            const Fit &now = *it;
            const QString where = QStringLiteral("%1 \"%2\": needs %3 of %4 here, %5 of %6 on a plain screen")
                                      .arg(it.key(), now.text).arg(now.need).arg(now.room).arg(one.need).arg(one.room);
            QCOMPARE(now.text, one.text);
            if (one.fits())
                QVERIFY2(now.fits(), qPrintable(where));
            if (now.ink >= 0)
                QVERIFY2(std::abs(now.ink - one.ink) <= 1.0, qPrintable(where));
        }
        // The widest texts a test brings fit on a plain screen too.
        for (const char *key : {"widest/Valu1", "widest/Valu5", "widest/ScoreShow", "widest/Temps",
                                "widest/rtfAnswer", "waiting/Suivant", "waiting/Label1", "waiting/Label2",
                                "widest/cckAnswers"})
            QVERIFY2(plain.value(QString::fromLatin1(key)).fits(), key);
    }

    // A picture of the waiting window, to set beside the plain one.
    void savePicture()
    {
        Form1 &form = window();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QString name = qEnvironmentVariableIsEmpty("QT_FONT_DPI")
                           ? QStringLiteral("quovale-scale-%1.png").arg(qEnvironmentVariable("QT_SCALE_FACTOR"))
                           : QStringLiteral("quovale-font-dpi-%1.png").arg(qEnvironmentVariable("QT_FONT_DPI"));
        const QDir artifacts(qEnvironmentVariable("QUOVALE_ARTIFACTS", QDir::currentPath()));
        QVERIFY(form.grab().save(artifacts.filePath(name)));
    }
};

int main(int argc, char *argv[])
{
    // No 96-dpi override here: the screen's own DPI is what is tried.
    QApplication app(argc, argv);
    app::configure();
    if (argc == 2 && qstrcmp(argv[1], ReferenceFlag) == 0) {
        QTextStream out(stdout);
        const QMap<QString, Fit> found = fits();
        for (auto it = found.cbegin(); it != found.cend(); ++it)
            out << it.key() << '\t' << it->need << '\t' << it->room << '\t' << it->ink << '\t' << it->text << '\n';
        return 0;
    }
    TextFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_text_fit.moc"
