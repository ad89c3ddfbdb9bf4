// Runs every *.script of one folder of tests/gui/scripts as a row of one test; a failing row names
// the script, the line and the step.
#include "app/app_font.h"
#include "form_script.h"

#include <QApplication>
#include <QDir>
#include <QTest>

class ScriptedForms : public QObject {
    Q_OBJECT

  public:
    explicit ScriptedForms(const QString &folder) : folder_(folder) {}

  private slots:
    void run_data() {
        QTest::addColumn<QString>("script");
        const QStringList scripts =
            QDir(folder_).entryList({QStringLiteral("*.script")}, QDir::Files, QDir::Name);
        QVERIFY2(!scripts.isEmpty(), qPrintable(folder_));
        for (const QString &name : scripts)
            QTest::newRow(qPrintable(name)) << QDir(folder_).filePath(name);
    }
    void run() {
        QFETCH(QString, script);
        const QString failure = ondrell::testing::RunFormScript(script);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

  private:
    QString folder_;
};

// The first argument is the folder of scripts; the others go to QtTest.
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ondrell::UseApplicationFont(); // as the program starts
    if (argc < 2)
        qFatal("usage: %s <folder of scripts> [QtTest options]", argv[0]);
    ScriptedForms test(QString::fromLocal8Bit(argv[1]));
    argv[1] = argv[0];
    return QTest::qExec(&test, argc - 1, argv + 1);
}

#include "scripted_forms.moc"
