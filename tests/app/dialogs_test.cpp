// The settings dialog writes dat/set.ini in its order and refuses a bad
// indent; the closing-text dialog refuses an empty text and saves a filled
// one with its setting.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app_fixture.hpp"
#include "chart/chart_settings.hpp"
#include "closing_text_dialog.hpp"
#include "render/closing_text.hpp"
#include "settings_dialog.hpp"

using namespace qimen;
using namespace qimen::app;
using namespace qimen::app::testing;

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void defaultsThenSetWritesEveryKeyInItsOrder() {
        DataRoot root;
        PromptRecorder recorder;
        const auto path = chart::chartSettingsPath(root.path());
        QFile::remove(QString::fromStdString(path.string()));
        TFrmSet dialog(root.path(), recorder.hook());
        dialog.findChild<QCheckBox*>("ChkSun")->setChecked(true);
        QTest::mouseClick(dialog.findChild<QPushButton*>("BtnDefault"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("BtnSet"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QString written = QString::fromLatin1(readAll(path));
        QStringList keys;
        for (const QString& line : written.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            if (line.contains('=')) keys << line;
        QCOMPARE(keys, (QStringList{"ileft=0", "pan=0", "ju=0", "shen=0", "tianyi=0", "zhifu=0", "jiugong=0", "sun=0",
                                    "save=0", "baojian=1", "angan=0", "selyue=0", "zishi=0", "yuejiang=0"}));
        QVERIFY(recorder.log.isEmpty());
    }

    void aBadIndentIsRefusedAndNothingIsWritten() {
        DataRoot root;
        PromptRecorder recorder;
        const auto path = chart::chartSettingsPath(root.path());
        const QByteArray before = readAll(path);
        TFrmSet dialog(root.path(), recorder.hook());
        dialog.show();
        dialog.findChild<QCheckBox*>("ChkSave")->setChecked(true);
        dialog.findChild<QLineEdit*>("LedtLeftText")->setText("ab");
        QTest::mouseClick(dialog.findChild<QPushButton*>("BtnSet"), Qt::LeftButton);
        QCOMPARE(recorder.log, (QStringList{QString::fromUtf8("message|文本左边距离在0-999||none"), "focus|LedtLeftText"}));
        QCOMPARE(readAll(path), before);
    }

    void anEmptyClosingTextIsRefusedAndAFilledOneSaved() {
        DataRoot root;
        PromptRecorder recorder;
        TFrmEndfo dialog(root.path(), recorder.hook());
        dialog.show();
        dialog.Memo1->clear();
        dialog.ChkAuto->setChecked(true);
        QTest::mouseClick(dialog.findChild<QPushButton*>("Btnok"), Qt::LeftButton);
        QCOMPARE(recorder.log, (QStringList{QString::fromUtf8("message|输入不能为空|信息|information"), "focus|Memo1"}));
        QVERIFY(dialog.isVisible());
        QVERIFY(!chart::loadChartSettings(chart::chartSettingsPath(root.path())).endinfo);

        dialog.Memo1->setPlainText(QString::fromUtf8("一\n二\n三"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("Btnok"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(render::readClosingTextLines(root.path()), (std::vector<std::string>{"一", "二", "三"}));
        QVERIFY(chart::loadChartSettings(chart::chartSettingsPath(root.path())).endinfo);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
