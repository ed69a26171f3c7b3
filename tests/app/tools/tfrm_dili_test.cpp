// TFrmDiLi driven by its controls' names over a temporary dat/dili.ini: the
// lists and edits, the refused and accepted coordinates, add and delete with
// their questions, and a damaged file opened with the defaults and left as it
// was.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "window_test_support.hpp"
#include "text/gbk.hpp"
#include "tfrm_dili.hpp"

namespace qimen::app {

using namespace testing;

class TFrmDiLiTest : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    RecordingPrompter prompter;
    std::unique_ptr<TFrmDiLi> dialog;

    std::filesystem::path ini() const { return std::filesystem::path(root.path().toStdString()) / "dat" / "dili.ini"; }
    void writeFile(const std::string& bytes) {
        std::filesystem::create_directories(ini().parent_path());
        std::ofstream(ini(), std::ios::binary) << bytes;
    }
    std::string fileBytes() const {
        std::ifstream in(ini(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string file() const { return text::gbkToUtf8Lenient(fileBytes()); }
    void open(const std::string& bytes) {
        writeFile(bytes);
        prompter = {};
        dialog = std::make_unique<TFrmDiLi>(std::filesystem::path(root.path().toStdString()), prompter);
        dialog->show();
    }
    template <typename T>
    T* control(const char* name) {
        return testing::control<T>(*dialog, name);
    }
    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    void setEdits(const char* jingDu, const char* jingFen, const char* weiDu, const char* weiFen) {
        edit("LedtJingDu")->setText(QString::fromUtf8(jingDu));
        edit("LedtJingFen")->setText(QString::fromUtf8(jingFen));
        edit("LedtWeiDu")->setText(QString::fromUtf8(weiDu));
        edit("LedtWeiFen")->setText(QString::fromUtf8(weiFen));
    }
    QStringList edits() {
        return {edit("LedtJingDu")->text(), edit("LedtJingFen")->text(), edit("LedtWeiDu")->text(), edit("LedtWeiFen")->text()};
    }
    QStringList cities() {
        QStringList items;
        for (int i = 0; i < control<QComboBox>("CboShi")->count(); ++i) items << control<QComboBox>("CboShi")->itemText(i);
        return items;
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }

private slots:
    void opensOnTheFirstProvinceAndItsFirstCity() {
        open(text::utf8ToGbk("[福建省]\r\n福州=119:18*26:5\r\n无值=\r\n[北京市]\r\n北京=116:28*39:54\r\n"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("经纬度设置"));
        QCOMPARE(control<QComboBox>("CboSheng")->count(), 34);
        QCOMPARE(control<QComboBox>("CboSheng")->currentText(), QStringLiteral("福建省"));
        QCOMPARE(cities(), (QStringList{"福州", "无值"}));
        QCOMPARE(edits(), (QStringList{"119", "18", "26", "5"}));
        dialog->grab().save(QStringLiteral(QIMEN_TEST_OUTPUT_DIR "/places-dialog.png"));  // for a look
        control<QComboBox>("CboShi")->setCurrentIndex(1);
        emit control<QComboBox>("CboShi")->activated(1);
        QCOMPARE(edits(), (QStringList{"120", "0", "30", "0"}));
        control<QComboBox>("CboSheng")->setCurrentIndex(2);  // 天津市: no section, the edits stay
        emit control<QComboBox>("CboSheng")->activated(2);
        QCOMPARE(cities(), QStringList());
        QCOMPARE(edits(), (QStringList{"120", "0", "30", "0"}));
        QVERIFY(prompter.log.empty());
    }

    void refuses180And90AndAccepts179Minutes59() {
        const std::string before = text::utf8ToGbk("[福建省]\r\n福州=119:18*26:5\r\n");
        open(before);
        setEdits("180", "0", "26", "5");
        click("BtoEdit");
        setEdits("119", "18", "-90", "0");
        click("BtoEdit");
        QCOMPARE(fileBytes(), before);
        setEdits("179", "59", "-89", "59");
        click("BtoEdit");
        QCOMPARE(prompter.log, (Log{"message|经度在-180到180之间，分数在0-60之间|输入错误|error", "focus|LedtJingDu",
                                    "message|纬度在-90到90之间，分数在0-60之间|输入错误|error", "focus|LedtWeiDu",
                                    "message|完成||none"}));
        QCOMPARE(file(), std::string("[福建省]\r\n福州=179:59*-89:59\r\n"));
    }

    void addAndDeleteAskFirst() {
        open(text::utf8ToGbk("[福建省]\r\n福州=119:18*26:5\r\n"));
        edit("LedtShiName")->setText(QStringLiteral("福州"));
        setEdits("-75", "30", "40", "45");
        prompter.answers = {false, true};
        click("BtoAdd");  // No: the old value stays
        click("BtoAdd");  // Yes: overwritten, no second entry
        QCOMPARE(cities(), QStringList{"福州"});
        edit("LedtShiName")->setText(QStringLiteral("厦门"));
        click("BtoAdd");
        QCOMPARE(cities(), (QStringList{"福州", "厦门"}));
        QCOMPARE(control<QComboBox>("CboShi")->currentText(), QStringLiteral("福州"));
        prompter.answers = {true};
        click("BtoDel");
        QCOMPARE(cities(), QStringList{"厦门"});
        QCOMPARE(control<QComboBox>("CboShi")->currentIndex(), -1);
        QCOMPARE(file(), std::string("[福建省]\r\n厦门=-75:30*40:45\r\n"));
        QCOMPARE(prompter.log.back(), std::string("message|完成||none"));
        QCOMPARE(prompter.log[prompter.log.size() - 2], std::string("ask|确定要删除\"福建省福州\"吗？|注意|warning|no"));
    }

    void aDamagedFileOpensWithTheDefaultsAndIsLeftAsItWas() {
        const std::string utf8 = "[福建省]\r\n福州=119:18*26:5\r\n";  // saved as UTF-8, not GBK
        open(utf8);
        QCOMPARE(cities(), QStringList());
        QCOMPARE(edits(), (QStringList{"120", "0", "30", "0"}));
        QCOMPARE(prompter.log.size(), size_t(1));
        QVERIFY(prompter.log[0].find("已损坏") != std::string::npos);
        QVERIFY(prompter.log[0].find("UTF-8") != std::string::npos);
        QVERIFY(prompter.log[0].ends_with("|注意|warning"));
        edit("LedtShiName")->setText(QStringLiteral("泉州"));
        click("BtoAdd");
        QVERIFY(prompter.log.back().ends_with("|错误|error"));
        QCOMPARE(fileBytes(), utf8);
    }
};

}  // namespace qimen::app

QTEST_MAIN(qimen::app::TFrmDiLiTest)
#include "tfrm_dili_test.moc"
