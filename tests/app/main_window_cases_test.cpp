// Cases through the main window's own list, menus and dialogs: saving twice,
// 查看 with and without a commentary file, editing and deleting the viewed
// case, the case search into ListView1, 显示全部事例 over deleted cases, the
// history items, and a damaged store named at every fill and never written.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <functional>

#include "app_fixture.hpp"
#include "cases/case_store.hpp"
#include "casedlg/tfrm_info.hpp"
#include "casedlg/tfrm_search.hpp"
#include "sample_case.hpp"

using namespace qimen;
using namespace qimen::app;
using namespace qimen::app::testing;
namespace fs = std::filesystem;

namespace {

// Runs `act` on the modal dialog of type Dialog as soon as it is shown (the
// next modal exec() of the test).
template <typename Dialog>
void whenShown(std::function<void(Dialog&)> act) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries = 0]() mutable {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && ++tries < 500) return;
        timer->deleteLater();
        timer->stop();
        if (dialog) act(*dialog);
    });
    timer->start(5);
}

void trigger(TFrmMain& window, const char* item) {
    auto* action = window.findChild<QAction*>(QString::fromLatin1(item));
    QVERIFY2(action && action->isEnabled(), item);
    action->trigger();
}

void select(TFrmMain& window, int row) {
    window.ListView1->setCurrentIndex(window.ListView1->model()->index(row, 0));
}

QString cell(TFrmMain& window, int row, int column) {
    return window.ListView1->model()->index(row, column).data().toString();
}

int rows(TFrmMain& window) { return window.ListView1->model()->rowCount(); }

void addCases(const fs::path& root, std::initializer_list<std::pair<const char*, int>> cases) {
    cases::CaseStore store(root);
    QVERIFY(store.open());
    for (auto [name, year] : cases)
        QVERIFY(store.append(*cases::encodeCaseRecord(sampleCase(name, static_cast<std::int16_t>(year)))));
}

}  // namespace

class MainWindowCasesTest : public QObject {
    Q_OBJECT
private slots:
    void savedTwiceThenViewedWithAndWithoutItsCommentary() {
        DataRoot root;
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        window->attachClassifyDialog([](workflow::ClassificationForm& form) {
            form.className = "测试";
            return true;
        });
        setMoment(*window, "2008", 8, 8, 20);
        window->Edtname->setText(QString::fromUtf8("张三"));
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        window->RedtQiMen->append("MARK-ONLY-IN-THE-FILE");
        QTest::mouseClick(window->SbtoSave, Qt::LeftButton);
        QTest::mouseClick(window->SbtoSave, Qt::LeftButton);
        cases::CaseStore store(root.path());
        QCOMPARE(rows(*window), 2);
        QCOMPARE(cell(*window, 1, workflow::kIdColumn), QStringLiteral("1"));
        QVERIFY(fs::exists(store.commentaryPath(0)) && fs::exists(store.commentaryPath(1)));
        QCOMPARE(window->SbtoSave->text(), QString::fromUtf8("存新"));

        // Case 0's file is shown as it is and left alone.
        const QByteArray file0 = readAll(store.commentaryPath(0));
        const auto written0 = fs::last_write_time(store.commentaryPath(0));
        window->BtoNewClick();
        const QRect rect = window->ListView1->visualRect(window->ListView1->model()->index(0, 0));
        QTest::mouseClick(window->ListView1->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(window->ListView1->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(window->RedtQiMen->toPlainText().contains("MARK-ONLY-IN-THE-FILE"));
        QCOMPARE(readAll(store.commentaryPath(0)), file0);
        QCOMPARE(fs::last_write_time(store.commentaryPath(0)), written0);
        QCOMPARE(window->SbtoSave->text(), QString::fromUtf8("存旧"));
        QCOMPARE(window->SbtoSave->palette().color(QPalette::ButtonText), QColor(0, 0, 255));

        // Case 1 without its file: the chart is drawn and written.
        fs::remove(store.commentaryPath(1));
        select(*window, 1);
        trigger(*window, "pmenu_r_pai");
        QVERIFY(window->RedtQiMen->toPlainText().contains(QString::fromUtf8("奇门盘式")));
        QVERIFY(!window->RedtQiMen->toPlainText().contains("MARK-ONLY-IN-THE-FILE"));
        QVERIFY(fs::exists(store.commentaryPath(1)));
        QCOMPARE(window->consultation().viewedCase(), 1);
        QVERIFY2(recorder.log.isEmpty(), qPrintable(recorder.log.join('\n')));
    }

    void editedRowChangesAndTheViewedCaseIsDeletedAfterTwoQuestions() {
        DataRoot root;
        addCases(root.path(), {{"张三", 2008}});
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        select(*window, 0);
        window->pmenu_r_paiClick();
        QVERIFY(window->consultation().chartValid());

        select(*window, 0);  // an operation's list refresh drops the selection
        recorder.answers = {true};  // 确定要保存修改吗？
        whenShown<TFrmInfo>([](TFrmInfo& dialog) {
            dialog.Edtname->setText(QString::fromUtf8("李四"));
            dialog.CboEvent->setEditText(QString::fromUtf8("合作"));
            QTest::mouseClick(dialog.BtnSave, Qt::LeftButton);
        });
        trigger(*window, "pmenu_r_edit");
        QCOMPARE(recorder.log, QStringList{QString::fromUtf8("ask|确定要保存修改吗？|提示|information|yes")});
        QCOMPARE(cell(*window, 0, workflow::kAskerColumn), QString::fromUtf8("李四"));
        QCOMPARE(cell(*window, 0, workflow::kMatterColumn), QString::fromUtf8("合作"));

        recorder.log.clear();
        recorder.answers = {true, true};
        select(*window, 0);
        trigger(*window, "pmenu_r_delete");
        QCOMPARE(recorder.log, (QStringList{QString::fromUtf8("ask|确定要删除\"李四\"这个事例吗？|注意|warning|no"),
                                            QString::fromUtf8("ask|确定要删除当前正在查看的事例吗？|提示|warning|no")}));
        QVERIFY(window->RedtQiMen->toPlainText().isEmpty());
        QCOMPARE(window->consultation().caseState(), workflow::CaseState::New);
        QVERIFY(!window->consultation().chartValid());
        QCOMPARE(window->SbtoSave->text(), QString::fromUtf8("存新"));
        QCOMPARE(window->SbtoSave->palette().color(QPalette::ButtonText), QColor(0, 0, 0));
        QCOMPARE(rows(*window), 0);
    }

    // The search's matches fill ListView1; reopened it shows the last
    // criteria; 显示全部事例 over only deleted cases keeps the list.
    void searchFillsTheListAndAllDeletedKeepsIt() {
        DataRoot root;
        addCases(root.path(), {{"张三", 2008}, {"小张", -119}, {"张", 2004}, {"李四", 2010}});
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        QCOMPARE(rows(*window), 4);

        recorder.answers = {true};  // list the matches
        whenShown<TFrmSearch>([](TFrmSearch& dialog) {
            dialog.Edtname->setText(QString::fromUtf8("张"));
            dialog.LedtY1->setText("-120");
            dialog.LedtY2->setText("2008");
            QTest::mouseClick(dialog.BtnSearch, Qt::LeftButton);
        });
        trigger(*window, "pmenu_r_find");
        QCOMPARE(recorder.log, QStringList{QString::fromUtf8("ask|共找到3条记录，要显示到事例列表中吗？|提示|information|yes")});
        QCOMPARE(rows(*window), 3);
        QCOMPARE((QStringList{cell(*window, 0, 0), cell(*window, 1, 0), cell(*window, 2, 0)}),
                 (QStringList{QString::fromUtf8("张三"), QString::fromUtf8("小张"), QString::fromUtf8("张")}));

        QStringList shown;
        recorder.answers = {true};
        whenShown<TFrmSearch>([&shown](TFrmSearch& dialog) {
            shown = {dialog.Edtname->text(), dialog.LedtY1->text(), dialog.LedtY2->text()};
            dialog.ChkName->setChecked(true);
            QTest::mouseClick(dialog.BtnSearch, Qt::LeftButton);
        });
        trigger(*window, "pmenu_r_find");
        QCOMPARE(shown, (QStringList{QString::fromUtf8("张"), "-120", "2008"}));
        QCOMPARE(rows(*window), 1);
        QCOMPARE(cell(*window, 0, workflow::kAskerColumn), QString::fromUtf8("张"));

        cases::CaseStore store(root.path());
        for (int n = 0; n < 4; ++n) QVERIFY(store.markDeleted(n));
        recorder.log.clear();
        trigger(*window, "pmenu_r_all");
        QCOMPARE(recorder.log, QStringList{QString::fromUtf8("message|没有找到符合条件的事例。|信息|information")});
        QCOMPARE(rows(*window), 1);
    }

    void damagedImportChangesNothingAndAClearKeepsTheOldStore() {
        DataRoot root;
        addCases(root.path(), {{"张三", 2008}, {"李四", 2010}});
        cases::CaseStore store(root.path());
        QFile commentary(QString::fromStdString(store.commentaryPath(0).string()));
        QVERIFY(commentary.open(QIODevice::WriteOnly) && commentary.write("{\\rtf1 mine}") > 0);
        commentary.close();
        const QByteArray header = readAll(store.dataFilePath(0));
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);

        QTemporaryDir source;
        const QString damaged = source.filePath("qimen0.dat");
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("short") == 5);
        file.close();
        recorder.answers = {true};
        whenShown<QFileDialog>([&damaged](QFileDialog& dialog) {
            dialog.selectFile(damaged);
            static_cast<QDialog&>(dialog).accept();  // QFileDialog::accept, which takes the chosen file
        });
        trigger(*window, "mnuF_import");
        QCOMPARE(recorder.log.size(), 2);
        QVERIFY2(recorder.log[1].startsWith(QString::fromUtf8("message|导入历史记录失败：")), qPrintable(recorder.log[1]));
        QCOMPARE(readAll(store.dataFilePath(0)), header);
        QCOMPARE(rows(*window), 2);
        QVERIFY(!fs::exists(store.backupRoot()));

        recorder.log.clear();
        recorder.answers = {true, true};
        trigger(*window, "mnuF_clear");
        QVERIFY2(recorder.log.size() == 3, qPrintable(recorder.log.join('\n')));
        QVERIFY2(recorder.log[2].startsWith(QString::fromUtf8("message|清除完成，原有记录已备份到")), qPrintable(recorder.log[2]));
        QCOMPARE(rows(*window), 0);
        QCOMPARE(store.slotCount(), 0);
        std::vector<fs::path> backups(fs::directory_iterator(store.backupRoot()), fs::directory_iterator());
        QCOMPARE(backups.size(), std::size_t{1});
        QCOMPARE(readAll(backups[0] / "qimen0.dat"), header);
        QCOMPARE(readAll(backups[0] / "qimen_f" / "0.rtf"), QByteArray("{\\rtf1 mine}"));
    }

    // Start-up, 显示全部事例, the case search and 查看 over a damaged store:
    // the store's own message each time, never 没有记录 or 没有找到, what can
    // be read stays listed, and not a byte is written.
    void aDamagedStoreIsNamedAndNeverWritten_data() {
        QTest::addColumn<qint64>("offset");  // where the bytes go in dat/qimen0.dat, or −1
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("cutTo");  // the file's new length, or −1
        QTest::addColumn<int>("listed");
        QTest::newRow("impossible header") << qint64(4) << QByteArray("\xff\xff\xff\xff", 4) << qint64(-1) << 0;
        QTest::newRow("cut inside its slots") << qint64(-1) << QByteArray() << qint64(1500) << 1;
        QTest::newRow("header counting fewer") << qint64(4) << QByteArray("\x01\0\0\0", 4) << qint64(-1) << 1;
    }
    void aDamagedStoreIsNamedAndNeverWritten() {
        QFETCH(qint64, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, cutTo);
        QFETCH(int, listed);
        DataRoot root;
        addCases(root.path(), {{"张三", 2008}, {"李四", 2010}, {"王五", 2004}});
        cases::CaseStore store(root.path());
        QFile data(QString::fromStdString(store.dataFilePath(0).string()));
        QVERIFY(data.open(QIODevice::ReadWrite));
        if (offset >= 0) QVERIFY(data.seek(offset) && data.write(bytes) == bytes.size());
        if (cutTo >= 0) QVERIFY(data.resize(cutTo));
        data.close();
        const QByteArray damaged = readAll(store.dataFilePath(0));
        auto damage = store.check();
        QVERIFY(!damage);
        const QString named = "message|" + QString::fromStdString(damage.message()) + QString::fromUtf8("|错误|error");
        QVERIFY(named.contains("qimen cases repair"));

        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        QCOMPARE(recorder.log, QStringList{named});
        QCOMPARE(rows(*window), listed);

        recorder.log.clear();
        trigger(*window, "pmenu_r_all");
        QCOMPARE(recorder.log, QStringList{named});
        QCOMPARE(rows(*window), listed);

        recorder.log.clear();
        whenShown<TFrmSearch>([](TFrmSearch& dialog) {
            QTest::mouseClick(dialog.BtnSearch, Qt::LeftButton);  // every case; No to listing them
            QTest::mouseClick(dialog.BtoCancel, Qt::LeftButton);
        });
        trigger(*window, "pmenu_r_find");
        QVERIFY(!recorder.log.isEmpty());
        QCOMPARE(recorder.log[0], named);
        QCOMPARE(recorder.log.size(), listed ? 2 : 1);  // the count of what could be read

        if (listed) {  // 查看 draws the case but writes no commentary into the store
            recorder.log.clear();
            select(*window, 0);
            window->pmenu_r_paiClick();
            QVERIFY(window->consultation().chartValid());
            QCOMPARE(recorder.log, QStringList{named});
            QVERIFY(!fs::exists(store.commentaryPath(0)));
        }
        QCOMPARE(readAll(store.dataFilePath(0)), damaged);
    }
};

QTEST_MAIN(MainWindowCasesTest)
#include "main_window_cases_test.moc"
