// The renderer on the offscreen platform: the widgets show what the model holds, and what the user does
// to the widgets reaches the model as its events.
#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <memory>
#include <stdexcept>

#include "desktop/colors.h"
#include "desktop/desktop_defaults.h"
#include "desktop/renderer.h"
#include "screen_model/scripted_platform.h"
#include "tests/desktop/test_form.h"

using tvtest::EventLog;
using tvtest::TestForm;

namespace {

int count(const EventLog& log, const std::string& entry)
{
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

bool has(const EventLog& log, const std::string& entry)
{
    return count(log, entry) > 0;
}

// A form of one grid, for the large tables of the loan table screen.
const tv::ControlDecl kGridOnly[] = {{tv::Kind::Grid, "grd", "", "", {0, 0, 9000, 6000}}};

class GridForm : public tv::Form {
public:
    explicit GridForm(tv::Application& app) : Form(app, "GridForm", kGridOnly) { setRect({0, 0, 9120, 6465}); }
};

}  // namespace

class RendererTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<tv::ScriptedPlatform> m_platform;
    std::unique_ptr<tv::Application> m_app;
    EventLog m_log;
    std::unique_ptr<TestForm> m_form;
    std::unique_ptr<tvqt::Renderer> m_renderer;
    QWidget* m_window = nullptr;

    template <class W>
    W* widget(const char* name)
    {
        auto* w = qobject_cast<W*>(m_renderer->widget(m_form->control(name)));
        if (!w) qFatal("no widget of that kind for %s", name);
        return w;
    }
    tvqt::TwipScale scale() const { return tvqt::TwipScale::forScreen(nullptr); }

private Q_SLOTS:
    void init()
    {
        m_platform = std::make_unique<tv::ScriptedPlatform>();
        m_app = std::make_unique<tv::Application>(*m_platform);
        m_log.clear();
        m_form = std::make_unique<TestForm>(*m_app, m_log);
        m_renderer = std::make_unique<tvqt::Renderer>(*m_app);
        m_renderer->setRememberWindows(false);  // every case starts from the form's own place
        m_form->show();
        m_window = m_renderer->window(*m_form);
        QVERIFY(m_window);
        // Activation is synchronous here; no waiting for the window system.
        QApplication::setActiveWindow(m_window);
        QCOMPARE(QApplication::activeWindow(), m_window);
        m_renderer->flushPending();
    }

    void cleanup()
    {
        m_renderer.reset();
        m_form.reset();
        m_app.reset();
        m_platform.reset();
        m_window = nullptr;
    }

    void windowShowsTheForm()
    {
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Renderer Test Form"));
        // The client area is the form's client size; controls sit at their twips, scaled.
        QWidget* client = widget<QLineEdit>("fp_Amount")->parentWidget();
        QCOMPARE(client->size(), QSize(scale().px(m_form->clientWidth()), scale().px(m_form->clientHeight())));
        QCOMPARE(widget<QLineEdit>("fp_Amount")->geometry(), scale().rect({1500, 560, 1600, 315}));
        // Option buttons are inside their frame's group box, at twips relative to the frame.
        auto* frame = widget<QGroupBox>("frm_Freq");
        QCOMPARE(widget<QRadioButton>("opt_24")->parentWidget(), frame);
        QCOMPARE(widget<QRadioButton>("opt_24")->geometry(), scale().rect({150, 600, 2800, 255}));
        QCOMPARE(frame->title(), QStringLiteral("Installment &Frequency"));
        QVERIFY(!widget<QRadioButton>("opt_24")->autoExclusive());
        QVERIFY(widget<QRadioButton>("opt_12")->isChecked());
        QVERIFY(widget<QPushButton>("btn_Calc")->isDefault());
        QCOMPARE(widget<QPlainTextEdit>("txtNotes")->toPlainText(), QStringLiteral("First line\nSecond line"));
        QVERIFY(widget<QPlainTextEdit>("txtNotes")->isReadOnly());
        QCOMPARE(widget<QComboBox>("comRate")->count(), 201);
        QCOMPARE(widget<QComboBox>("comRate")->currentIndex(), -1);
        QCOMPARE(widget<QComboBox>("comRate")->currentText(), QString());
        QVERIFY(!widget<QComboBox>("comRate")->isEditable());
        // "&&" is a literal ampersand on a label without a mnemonic.
        QCOMPARE(widget<QLabel>("lbl_Result")->text(), QStringLiteral("Payment:  $699.21 & more"));
        QVERIFY(widget<QLabel>("lbl_Result")->alignment() & Qt::AlignRight);
        QCOMPARE(widget<QLabel>("lbl_Amount")->buddy(), widget<QLineEdit>("fp_Amount"));
        QCOMPARE(widget<QLabel>("lbl_Rate")->buddy(), widget<QComboBox>("comRate"));
    }

    void typingReachesTheBoxAndFiresChange()
    {
        auto* edit = widget<QLineEdit>("fp_Amount");
        m_form->box("fp_Amount").setFocus();
        QVERIFY(edit->hasFocus());
        m_log.clear();
        QTest::keyClicks(edit, "1234.5");
        QCOMPARE(m_form->box("fp_Amount").text(), std::string("1234.5"));
        QCOMPARE(count(m_log, "fp_Amount_Change:1"), 1);
        QCOMPARE(count(m_log, "fp_Amount_Change:1234.5"), 1);
        QCOMPARE(static_cast<int>(m_log.size()), 6);  // one Change per keystroke
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(m_form->box("fp_Amount").text(), std::string("1234."));
        QCOMPARE(m_log.back(), std::string("fp_Amount_Change:1234."));
        // The caret stays where the user types: the next key goes to the end.
        QTest::keyClick(edit, Qt::Key_7);
        QCOMPARE(m_form->box("fp_Amount").text(), std::string("1234.7"));
    }

    void typingBeyondTheLengthLimitIsRefusedWithAMessage()
    {
        auto* edit = widget<QLineEdit>("fp_Amount");
        tv::MaskedBox& box = m_form->box("fp_Amount");
        box.setFocus();
        const QString limit(tv::MaskedBox::kMaxTypedLength, QLatin1Char('9'));
        QTest::keyClicks(edit, limit);
        QCOMPARE(box.text(), limit.toStdString());
        QVERIFY(m_platform->messages().empty());
        m_log.clear();
        // One more key, and a paste that would replace the whole text: both refused, box and edit unchanged.
        QTest::keyClick(edit, Qt::Key_1);
        QCOMPARE(box.text(), limit.toStdString());
        QCOMPARE(edit->text(), limit);
        QApplication::clipboard()->setText(limit + QStringLiteral("12"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), limit.toStdString());
        QCOMPARE(edit->text(), limit);
        QCOMPARE(count(m_log, "fp_Amount_Change:" + limit.toStdString() + "1"), 0);
        const auto messages = m_platform->messages();
        QCOMPARE(static_cast<int>(messages.size()), 2);
        QCOMPARE(messages[0].text, tv::MaskedBox::tooLongMessage().english());
        // The caret is back inside the text, and the next edit that fits goes through.
        QVERIFY(edit->cursorPosition() <= limit.size());
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(static_cast<int>(box.text().size()), tv::MaskedBox::kMaxTypedLength - 1);
    }

    void boxShowsItsFormatUnlessFocusedAndSelectsAllOnFocus()
    {
        auto* edit = widget<QLineEdit>("fp_Amount");
        auto* calc = widget<QPushButton>("btn_Calc");
        QTest::mouseClick(calc, Qt::LeftButton);
        QCOMPARE(m_app->focus(), &m_form->control("btn_Calc"));
        m_form->box("fp_Amount").setText("1234.5");
        QCOMPARE(edit->text(), QStringLiteral("$1,234.50"));
        m_form->box("fp_Amount").setText("-20");
        QCOMPARE(edit->text(), QStringLiteral("($20.00)"));
        m_form->box("fp_Amount").setText("1234.5");

        m_log.clear();
        QTest::mouseClick(edit, Qt::LeftButton);
        QCOMPARE(m_app->focus(), &m_form->control("fp_Amount"));
        QVERIFY(has(m_log, "fp_Amount_GotFocus"));
        QCOMPARE(edit->text(), QStringLiteral("1234.5"));
        // The GotFocus handler's select-all survives the click that brought the focus.
        QCOMPARE(edit->selectedText(), QStringLiteral("1234.5"));
        QCOMPARE(m_form->box("fp_Amount").selLength(), 6);

        QTest::mouseClick(calc, Qt::LeftButton);
        QVERIFY(has(m_log, "fp_Amount_LostFocus"));
        QCOMPARE(edit->text(), QStringLiteral("$1,234.50"));

        // Tabbing in selects all too, and typing replaces the selection.
        m_form->box("fp_Amount").setFocus();
        QCOMPARE(edit->selectedText(), QStringLiteral("1234.5"));
        QTest::keyClicks(edit, "99");
        QCOMPARE(QString::fromStdString(m_form->box("fp_Amount").text()), QStringLiteral("99"));
    }

    void optionButtonsFireClickAndStayExclusive()
    {
        auto* opt24 = widget<QRadioButton>("opt_24");
        QPoint onIndicator(4, opt24->height() / 2);
        QTest::mouseClick(opt24, Qt::LeftButton, {}, onIndicator);
        QCOMPARE(count(m_log, "opt_24_Click"), 1);
        QVERIFY(m_form->option("opt_24").value());
        QVERIFY(!m_form->option("opt_12").value());
        QVERIFY(opt24->isChecked());
        QVERIFY(!widget<QRadioButton>("opt_12")->isChecked());
        // Clicking the selected button again fires Click once more, and it stays selected.
        QTest::mouseClick(opt24, Qt::LeftButton, {}, onIndicator);
        QCOMPARE(count(m_log, "opt_24_Click"), 2);
        QVERIFY(opt24->isChecked());
        // Selecting by code shows as well.
        m_form->option("opt_26").setValue(true);
        QVERIFY(widget<QRadioButton>("opt_26")->isChecked());
        QVERIFY(!opt24->isChecked());
    }

    void checkBoxAndCommandButtonFireClick()
    {
        auto* check = widget<QCheckBox>("chk_Round");
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        QCOMPARE(m_form->check("chk_Round").value(), 1);
        QVERIFY(has(m_log, "chk_Round_Click:1"));
        QVERIFY(check->isChecked());
        QTest::mouseClick(widget<QPushButton>("btn_Calc"), Qt::LeftButton);
        QCOMPARE(count(m_log, "btn_Calc_Click"), 1);
        // A disabled button does nothing.
        m_form->button("btn_Calc").setEnabled(false);
        QTest::mouseClick(widget<QPushButton>("btn_Calc"), Qt::LeftButton);
        QCOMPARE(count(m_log, "btn_Calc_Click"), 1);
        // Enter presses the default button; Escape the cancel button.
        m_form->button("btn_Calc").setEnabled(true);
        m_form->combo("comRate").setFocus();
        QTest::keyClick(m_window, Qt::Key_Escape);
        QCOMPARE(count(m_log, "btn_Close_Click"), 1);
        QVERIFY(m_window->isVisible());
        QTest::mouseClick(widget<QLabel>("lbl_Result"), Qt::LeftButton);
        QCOMPARE(count(m_log, "lbl_Result_Click"), 1);
    }

    void aFailedHandlerIsAMessageAndLeavesTheBoxesAsTheyWere()
    {
        m_form->box("fp_Amount").setText("1000");
        m_form->bind("btn_Calc_Click", [this] {
            m_form->box("fp_Amount").setText("half done");
            throw std::runtime_error("no rate chosen");
        });
        QTest::mouseClick(widget<QPushButton>("btn_Calc"), Qt::LeftButton);
        QCOMPARE(m_form->box("fp_Amount").text(), std::string("1000"));
        QCOMPARE(m_platform->messages().size(), std::size_t{1});
    }

    void comboPickFiresClick()
    {
        auto* combo = widget<QComboBox>("comRate");
        m_form->combo("comRate").setListIndex(64);
        QCOMPARE(combo->currentIndex(), 64);
        QCOMPARE(combo->currentText(), QStringLiteral("8.000"));
        m_log.clear();
        m_form->combo("comRate").setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(m_form->combo("comRate").listIndex(), 65);
        QVERIFY(has(m_log, "comRate_Click:65"));
        m_form->combo("comRate").setListIndex(-1);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QString());
    }

    void menuCommandsFireAndShowTheirCheckMarks()
    {
        QAction* years = m_renderer->action(m_form->menu("mnu_Years"));
        QAction* months = m_renderer->action(m_form->menu("mnu_Months"));
        QVERIFY(years && months);
        QCOMPARE(years->text(), QStringLiteral("&Years"));
        QCOMPARE(years->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        QVERIFY(years->isChecked());
        QVERIFY(!months->isCheckable());
        months->trigger();
        QVERIFY(has(m_log, "mnu_Months_Click"));
        QVERIFY(months->isChecked());
        QVERIFY(!years->isChecked());
        // The shortcut reaches the menu command, even from inside a text box.
        m_form->box("fp_Amount").setFocus();
        QTest::keyClick(widget<QLineEdit>("fp_Amount"), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(count(m_log, "mnu_Years_Click"), 1);
        QVERIFY(years->isChecked());
        // A menu array passes its index; a check mark set by the model shows.
        m_renderer->action(m_form->menu("mnuOptLen", 1))->trigger();
        QVERIFY(has(m_log, "mnuOptLen_Click:1"));
        QVERIFY(m_renderer->action(m_form->menu("mnuOptLen", 1))->isChecked());
        QVERIFY(!m_renderer->action(m_form->menu("mnuOptLen", 0))->isChecked());
        // Separators, captions, enabled and visible states.
        QVERIFY(m_renderer->action(m_form->menu("mnu_sep1"))->isSeparator());
        m_form->menu("mnu_exit").setCaption(tv::finishedText("&Quit"));
        QCOMPARE(m_renderer->action(m_form->menu("mnu_exit"))->text(), QStringLiteral("&Quit"));
        m_form->menu("mnu_exit").setEnabled(false);
        QVERIFY(!m_renderer->action(m_form->menu("mnu_exit"))->isEnabled());
        m_form->menu("mnuLoanLen").setVisible(false);
        QVERIFY(!m_renderer->action(m_form->menu("mnuLoanLen"))->isVisible());
    }

    void toolbarButtonsAndDropDown()
    {
        auto& bar = m_form->toolbar("Toolbar1");
        QToolButton* loan = m_renderer->toolButton(bar, 1);
        QToolButton* table = m_renderer->toolButton(bar, 2);
        QToolButton* invest = m_renderer->toolButton(bar, 4);
        QVERIFY(loan && table && invest);
        QVERIFY(!m_renderer->toolButton(bar, 3));  // a separator
        QCOMPARE(loan->toolTip(), QStringLiteral("Do Loan Calculations"));
        QVERIFY(!loan->icon().isNull());
        QVERIFY(!loan->icon().pixmap(16, 16).isNull());
        QVERIFY(!loan->icon().pixmap(32, 32).isNull());

        QTest::mouseClick(loan, Qt::LeftButton);
        QVERIFY(has(m_log, "Toolbar1_ButtonClick:1"));
        QVERIFY(loan->isChecked());  // the handler pressed it
        QTest::mouseClick(table, Qt::LeftButton);
        QVERIFY(has(m_log, "Toolbar1_ButtonClick:2"));
        QVERIFY(!table->isChecked());  // nobody pressed it: Qt's own toggle is undone
        bar.setPressed(2, true);
        QVERIFY(table->isChecked());
        bar.setButtonEnabled(2, false);
        QVERIFY(!table->isEnabled());
        bar.setImage(5, 13);

        QMenu* menu = invest->menu();
        QVERIFY(menu);
        QCOMPARE(invest->popupMode(), QToolButton::MenuButtonPopup);
        const auto items = menu->actions();
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[2]->text(), QStringLiteral("  Ret Fund -> Amt"));
        items[1]->trigger();
        QCOMPARE(m_log.back(), std::string("Toolbar1_ButtonMenuClick:4,2"));
        bar.setMenuItemEnabled(4, 3, false);
        QVERIFY(!items[2]->isEnabled());
    }

    void separatorsInARowAreOneWiderGap()
    {
        auto& bar = m_form->toolbar("Toolbar1");
        tv::ToolButtonDecl separator;
        separator.style = tv::ToolStyle::Separator;
        for (int i = 0; i < 3; ++i) bar.addButton(separator);  // buttons 8 to 10
        tv::ToolButtonDecl last;
        last.key = last.caption = "Last";
        last.image = 2;
        bar.addButton(last);  // button 11
        auto* toolbar = m_window->findChild<QToolBar*>();
        QVERIFY(toolbar);
        int lines = 0;
        QWidget* gap = nullptr;
        for (QAction* a : toolbar->actions()) {
            if (a->isSeparator()) ++lines;
            QWidget* w = toolbar->widgetForAction(a);
            if (w && !qobject_cast<QToolButton*>(w)) gap = w;
        }
        QCOMPARE(lines, 2);  // the separators standing alone, 3 and 6
        QVERIFY(gap);
        QStyleOption opt;
        opt.initFrom(toolbar);
        QCOMPARE(gap->width(), 3 * toolbar->style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, &opt, toolbar));
        QVERIFY(!m_renderer->toolButton(bar, 8) && !m_renderer->toolButton(bar, 10));
        QTest::mouseClick(m_renderer->toolButton(bar, 11), Qt::LeftButton);
        QVERIFY(has(m_log, "Toolbar1_ButtonClick:11"));
    }

    void modelChangesShowAtOnce()
    {
        m_form->label("lbl_Amount").setCaption(tv::finishedText("&Principal:"));
        QCOMPARE(widget<QLabel>("lbl_Amount")->text(), QStringLiteral("&Principal:"));
        m_form->button("btn_Calc").setCaption(tv::finishedText("Re&calculate"));
        QCOMPARE(widget<QPushButton>("btn_Calc")->text(), QStringLiteral("Re&calculate"));
        m_form->box("fp_Amount").setEnabled(false);
        QVERIFY(!widget<QLineEdit>("fp_Amount")->isEnabled());
        m_form->frame("frm_Freq").setVisible(false);
        QVERIFY(!widget<QGroupBox>("frm_Freq")->isVisible());
        QVERIFY(!widget<QRadioButton>("opt_12")->isVisible());
        m_form->frame("frm_Freq").setVisible(true);
        QVERIFY(widget<QRadioButton>("opt_12")->isVisible());
        m_form->frame("frm_Freq").setEnabled(false);
        QVERIFY(!widget<QRadioButton>("opt_12")->isEnabled());
        m_form->control("lbl_Amount").setToolTip(tv::finishedText("The amount borrowed"));
        QCOMPARE(widget<QLabel>("lbl_Amount")->toolTip(), QStringLiteral("The amount borrowed"));
        m_form->control("fp_Amount").move(1600, 700);
        QCOMPARE(widget<QLineEdit>("fp_Amount")->pos(), QPoint(scale().px(1600), scale().px(700)));

        // Colours: Windows encoding, and system colours through the desktop's palette.
        m_form->control("lbl_Amount").setBackColor(tv::rgb(230, 216, 174));
        m_form->control("lbl_Amount").setForeColor(tv::rgb(0, 0, 128));
        QCOMPARE(widget<QLabel>("lbl_Amount")->palette().color(QPalette::Window), QColor(230, 216, 174));
        QCOMPARE(widget<QLabel>("lbl_Amount")->palette().color(QPalette::Active, QPalette::WindowText),
                 QColor(0, 0, 128));
        QVERIFY(widget<QLabel>("lbl_Amount")->autoFillBackground());
        m_form->control("fp_Amount").setBackColor(tv::rgb(255, 255, 192));
        QCOMPARE(widget<QLineEdit>("fp_Amount")->palette().color(QPalette::Base), QColor(255, 255, 192));
        m_form->control("fp_Amount").setBackColor(tv::syscolor::kWindowBackground);
        QCOMPARE(widget<QLineEdit>("fp_Amount")->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));
        m_form->control("btn_Calc").setBackColor(tv::rgb(200, 0, 0));
        QCOMPARE(widget<QPushButton>("btn_Calc")->palette().color(QPalette::Button), QColor(200, 0, 0));
        m_form->setBackColor(tv::rgb(240, 232, 206));
        QCOMPARE(widget<QLineEdit>("fp_Amount")->parentWidget()->palette().color(QPalette::Window),
                 QColor(240, 232, 206));
        m_form->setCaption(tv::finishedText("Financial Calculator - Loans"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Financial Calculator - Loans"));

        m_form->control("lbl_Result").setFont({"Arial", 12, true, false});
        QVERIFY(widget<QLabel>("lbl_Result")->font().bold());
        QCOMPARE(widget<QLabel>("lbl_Result")->font().pointSizeF(), 12.0);
        m_form->check("chk_Round").setValue(1);
        QVERIFY(widget<QCheckBox>("chk_Round")->isChecked());
        m_form->textArea("txtNotes").setText(tv::finishedText("Changed"));
        QCOMPARE(widget<QPlainTextEdit>("txtNotes")->toPlainText(), QStringLiteral("Changed"));

        m_form->grid("grd").setText(2, 3, tv::finishedText("$42.00"));
        auto* view = widget<QTableView>("grd");
        QCOMPARE(view->model()->data(view->model()->index(1, 2)).toString(), QStringLiteral("$42.00"));
        m_form->grid("grd").setText(0, 2, tv::finishedText("Ten\r\nYears"));
        QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Ten\nYears"));
    }

    void focusFollowsBothWays()
    {
        QTest::mouseClick(widget<QPushButton>("btn_Calc"), Qt::LeftButton);
        QCOMPARE(m_app->focus(), &m_form->control("btn_Calc"));
        m_form->combo("comRate").setFocus();
        QCOMPARE(QApplication::focusWidget(), widget<QComboBox>("comRate"));
        // A label's mnemonic moves the focus to the next control in tab order.
        QTest::keyClick(m_window, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(m_app->focus(), &m_form->control("fp_Amount"));
        QCOMPARE(QApplication::focusWidget(), widget<QLineEdit>("fp_Amount"));
    }

    void gridShowsTheModelAndForwardsClicks()
    {
        auto& grid = m_form->grid("grd");
        auto* view = widget<QTableView>("grd");
        QCOMPARE(view->model()->rowCount(), TestForm::kGridRows - 1);
        QCOMPARE(view->model()->columnCount(), TestForm::kGridCols - 1);
        QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("5 Yrs\n60 Mos"));
        QCOMPARE(view->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("6.000 %"));
        QCOMPARE(view->horizontalHeader()->height(), scale().px(480));
        QCOMPARE(view->verticalHeader()->width(), scale().px(1100));
        QCOMPARE(view->columnWidth(0), scale().px(960));
        QCOMPARE(view->rowHeight(0), scale().px(240));

        m_log.clear();
        QRect cell = view->visualRect(view->model()->index(2, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(grid.row(), 3);
        QCOMPARE(grid.col(), 2);
        QCOMPARE(m_log.back(), std::string("grd_Click:3,2"));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(count(m_log, "grd_DblClick"), 1);

        grid.setCurrent(4, 3);
        m_renderer->flushPending();
        QCOMPARE(view->currentIndex(), view->model()->index(3, 2));
        grid.setColWidth(2, 0);
        grid.setRowHeight(3, 600);
        m_renderer->flushPending();
        QVERIFY(view->isColumnHidden(1));
        QCOMPARE(view->rowHeight(2), scale().px(600));
        grid.setScrollBars(tv::ScrollBars::None);
        m_renderer->flushPending();
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void largeGridsReshapeInOneGo()
    {
        GridForm form(*m_app);
        form.show();
        auto& grid = form.grid("grd");
        grid.setRows(101);
        grid.setCols(201);
        for (int c = 0; c < 201; ++c) grid.setColWidth(c, 900);
        for (int r = 0; r < 101; ++r)
            for (int c = 0; c < 201; ++c) grid.setText(r, c, tv::finishedText(std::to_string(r * 1000 + c)));
        m_renderer->flushPending();
        auto* view = qobject_cast<QTableView*>(m_renderer->widget(grid));
        QVERIFY(view);
        QCOMPARE(view->model()->rowCount(), 100);
        QCOMPARE(view->model()->columnCount(), 200);
        QCOMPARE(view->model()->data(view->model()->index(99, 199)).toString(), QStringLiteral("100200"));
        QCOMPARE(view->columnWidth(150), scale().px(900));

        grid.setRows(1201);
        grid.setCols(5);
        grid.setRowHeight(0, 480);
        for (int r = 1; r < 1201; ++r) grid.setText(r, 1, tv::finishedText(std::to_string(r)));
        grid.setTopRow(1000);
        m_renderer->flushPending();
        QCOMPARE(view->model()->rowCount(), 1200);
        QCOMPARE(view->model()->data(view->model()->index(1199, 0)).toString(), QStringLiteral("1200"));
        QCOMPARE(view->rowAt(0), 999);
        form.unload();
    }

    void closeBoxAsksTheForm()
    {
        m_form->refuseUnload = true;
        m_window->close();
        QVERIFY(has(m_log, "Form_Unload"));
        QVERIFY(m_form->loaded());
        QVERIFY(m_window->isVisible());

        m_form->refuseUnload = false;
        QPointer<QWidget> window = m_window;
        QSignalSpy allClosed(m_renderer.get(), &tvqt::Renderer::allFormsClosed);
        m_window->close();
        QVERIFY(!m_form->loaded());
        QVERIFY(!m_renderer->window(*m_form));
        QVERIFY(!window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        // With no form left on the screen, the desktop program is told to quit.
        QCOMPARE(allClosed.count(), 0);  // decided once the event loop runs
        QCoreApplication::processEvents();
        QCOMPARE(allClosed.count(), 1);

        // Shown again, the form gets a new window in its design state.
        m_form->show();
        QVERIFY(m_renderer->window(*m_form));
        QVERIFY(m_renderer->window(*m_form)->isVisible());
    }

    void systemColorsComeFromThePalette()
    {
        QPalette pal = QApplication::palette();
        QCOMPARE(tvqt::toQColor(tv::rgb(1, 2, 3), pal), QColor(1, 2, 3));
        QCOMPARE(tvqt::toQColor(0x00FF0000u, pal), QColor(0, 0, 255));
        QCOMPARE(tvqt::toQColor(tv::syscolor::kButtonFace, pal), pal.color(QPalette::Button));
        QCOMPARE(tvqt::toQColor(tv::syscolor::kButtonText, pal), pal.color(QPalette::ButtonText));
        QCOMPARE(tvqt::toQColor(tv::syscolor::kWindowBackground, pal), pal.color(QPalette::Base));
        QCOMPARE(tvqt::toQColor(tv::syscolor::kWindowText, pal), pal.color(QPalette::Text));
        QCOMPARE(tvqt::toQColor(tv::syscolor::kHighlight, pal), pal.color(QPalette::Highlight));
        QCOMPARE(tvqt::toQColor(tv::syscolor::kHighlightText, pal), pal.color(QPalette::HighlightedText));
        QCOMPARE(tvqt::toQColor(tv::syscolor::kGrayText, pal), pal.color(QPalette::Disabled, QPalette::WindowText));
        QCOMPARE(tvqt::toQColor(tv::syscolor::kApplicationWorkspace, pal), pal.color(QPalette::Mid));
        // A changed desktop palette changes what system colours look like.
        QPalette custom = pal;
        custom.setColor(QPalette::Button, QColor(10, 20, 30));
        QCOMPARE(tvqt::toQColor(tv::syscolor::kButtonFace, custom), QColor(10, 20, 30));
    }

    void twipsScaleWithTheLogicalDpi()
    {
        tvqt::TwipScale normal(96);
        tvqt::TwipScale doubled(192);
        QCOMPARE(normal.px(1440), 96);
        QCOMPARE(doubled.px(1440), 192);
        QCOMPARE(normal.px(15), 1);
        // Edges round, so two neighbours meet exactly.
        QRect a = normal.rect({0, 0, 1000, 100});
        QRect b = normal.rect({1000, 0, 1000, 100});
        QCOMPARE(a.right() + 1, b.left());
        QCOMPARE(doubled.rect({1500, 560, 1600, 315}), QRect(200, 75, 213, 42));
    }

    void layoutAndTextGrowWithALargerDesktopFont()
    {
        // The usual desktop font sizes keep the design's 8 pt; larger ones grow text and layout alike.
        QCOMPARE(tvqt::fontScale(9), 1.0);
        QCOMPARE(tvqt::fontScale(10), 1.0);
        QCOMPARE(tvqt::fontScale(12), 1.2);
        QCOMPARE(tvqt::fontScale(30), 2.0);
        QCOMPARE(tvqt::fontScale(-1), 1.0);  // a font sized in pixels
        const QFont usual = QApplication::font();
        QCOMPARE(usual.pointSizeF(), tvqt::kDefaultFontPoints);
        const int inchAtUsualSize = tvqt::TwipScale::forScreen(nullptr).px(1440);
        QApplication::setFont(tvqt::defaultFont(1.5));
        QCOMPARE(tvqt::TwipScale::forScreen(nullptr).px(1440), inchAtUsualSize * 3 / 2);
        QCOMPARE(tvqt::qtFont({"Arial", 12, true, false}, QApplication::font()).pointSizeF(), 18.0);
        QApplication::setFont(usual);
        QCOMPARE(tvqt::qtFont({"Arial", 12, true, false}, QApplication::font()).pointSizeF(), 12.0);
    }

    // Not a check: with TARVOLIN_SCREENS_DIR set (scripts/screens does), saves the test form as a PNG.
    void saveScreenshot()
    {
        QByteArray dir = qgetenv("TARVOLIN_SCREENS_DIR");
        if (dir.isEmpty()) QSKIP("TARVOLIN_SCREENS_DIR is not set");
        m_form->box("fp_Amount").setText("100000");
        m_form->combo("comRate").setListIndex(60);
        m_form->option("opt_24").setValue(true);
        m_form->check("chk_Round").setValue(1);
        m_form->toolbar("Toolbar1").setPressed(1, true);
        m_form->grid("grd").setCurrent(2, 2);
        m_form->button("btn_Calc").setFocus();
        m_renderer->flushPending();
        QDir().mkpath(QString::fromLocal8Bit(dir));
        QVERIFY(m_window->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("test_form.png"))));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    RendererTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "renderer_test.moc"
