#include "screen_model/grid.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace tv {
namespace {

using test::EventLog;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const ControlDecl kControls[] = {{Kind::Grid, "grd"}};

class GridTest : public ::testing::Test {
protected:
    GridTest()
    {
        test::logEvents(form, log);
        form.show();
        app.addObserver(&recorder);
    }
    ~GridTest() override { app.removeObserver(&recorder); }

    // A 4 x 3 grid with a header row and column and a text in every cell ("r,c").
    void fill()
    {
        grid.setRows(4);
        grid.setCols(3);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) grid.setText(r, c, finishedText(std::to_string(r) + "," + std::to_string(c)));
        log.clear();
        recorder.clear();
    }

    ScriptedPlatform platform;
    Application app{platform};
    Form form{app, "F", kControls};
    Grid& grid = form.grid("grd");
    EventLog log;
    test::Recorder recorder;
};

TEST_F(GridTest, ANewGridHasOneHeaderRowAndColumnAndDefaultSizes)
{
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.cols(), 2);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(grid.fixedCols(), 1);
    EXPECT_EQ(grid.rowHeight(0), 240);
    EXPECT_EQ(grid.colWidth(1), 960);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(grid.scrollBars(), ScrollBars::Both);
}

TEST_F(GridTest, GrowingKeepsEveryCellAndAddsEmptyOnes)
{
    fill();
    grid.setRows(6);
    grid.setCols(5);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(grid.text(r, c), std::to_string(r) + "," + std::to_string(c));
    EXPECT_EQ(grid.text(5, 4), "");
    EXPECT_EQ(grid.text(0, 3), "");
    EXPECT_TRUE(recorder.sawControl("grd", Prop::GridShape));
}

TEST_F(GridTest, ShrinkingKeepsTheCellsThatRemainAndForgetsTheOthers)
{
    fill();
    grid.setCols(2);
    grid.setRows(2);
    EXPECT_EQ(grid.text(1, 1), "1,1");
    EXPECT_EQ(grid.text(0, 1), "0,1");
    grid.setRows(4);
    grid.setCols(3);
    EXPECT_EQ(grid.text(3, 2), "");
    EXPECT_EQ(grid.text(1, 2), "");
    EXPECT_EQ(grid.text(1, 1), "1,1");
}

TEST_F(GridTest, ShrinkingMovesTheCurrentCellInside)
{
    fill();
    grid.setCurrent(3, 2);
    grid.setRows(2);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 2);
    grid.setRows(0);
    EXPECT_EQ(grid.rows(), 0);
    EXPECT_EQ(grid.fixedRows(), 0);
    EXPECT_EQ(grid.text(0, 0), "");
    EXPECT_EQ(grid.text(), "");
}

TEST_F(GridTest, RowHeightsAndColumnWidthsFollowTheShape)
{
    fill();
    grid.setRowHeight(2, 500);
    grid.setColWidth(0, 1500);
    grid.setColWidth(1, -5);
    EXPECT_EQ(grid.rowHeight(2), 500);
    EXPECT_EQ(grid.rowHeight(1), 240);
    EXPECT_EQ(grid.colWidth(0), 1500);
    EXPECT_EQ(grid.colWidth(1), 0);
    EXPECT_EQ(grid.rowHeight(9), 0);
    grid.setRows(6);
    EXPECT_EQ(grid.rowHeight(5), 240);
    EXPECT_EQ(grid.rowHeight(2), 500);
}

TEST_F(GridTest, AClickOnACellMakesItCurrentAndFiresClick)
{
    fill();
    grid.setSelectionEnd(3, 2);
    EXPECT_TRUE(grid.userClickCell(2, 1));
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(grid.rowSel(), 2);  // the selection collapses to the clicked cell
    EXPECT_EQ(grid.colSel(), 1);
    EXPECT_EQ(grid.text(), "2,1");
    EXPECT_THAT(log, ElementsAre("grd_Click"));
    EXPECT_TRUE(recorder.sawControl("grd", Prop::GridCurrent));
}

TEST_F(GridTest, ClicksOnFixedOrMissingCellsAreIgnored)
{
    fill();
    EXPECT_FALSE(grid.userClickCell(0, 1));
    EXPECT_FALSE(grid.userClickCell(2, 0));
    EXPECT_FALSE(grid.userClickCell(4, 1));
    EXPECT_FALSE(grid.userClickCell(1, 3));
    EXPECT_FALSE(grid.userClickCell(-1, 1));
    EXPECT_FALSE(grid.userDoubleClickCell(0, 0));
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(GridTest, ADoubleClickIsAClickThenADoubleClick)
{
    fill();
    EXPECT_TRUE(grid.userDoubleClickCell(3, 2));
    EXPECT_THAT(log, ElementsAre("grd_Click", "grd_DblClick"));
    EXPECT_EQ(grid.row(), 3);
}

TEST_F(GridTest, CodeMayMakeAFixedCellCurrent)
{
    fill();
    grid.setCurrent(0, 0);
    EXPECT_EQ(grid.row(), 0);
    grid.setCurrent(7, 0);  // not a cell: nothing moves
    EXPECT_EQ(grid.row(), 0);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(GridTest, CellChangesNameTheirCell)
{
    fill();
    grid.setText(2, 1, tv::finishedText("new"));
    grid.setText(2, 1, tv::finishedText("new"));
    grid.setText(9, 9, tv::finishedText("nowhere"));
    ASSERT_EQ(recorder.controls.size(), 1u);
    EXPECT_EQ(recorder.controls[0].prop, Prop::GridCell);
    EXPECT_EQ(recorder.controls[0].row, 2);
    EXPECT_EQ(recorder.controls[0].col, 1);
    EXPECT_EQ(grid.text(9, 9), "");
}

TEST_F(GridTest, ScrollPositionsStayInsideTheGrid)
{
    fill();
    grid.setTopRow(3);
    grid.setLeftCol(2);
    EXPECT_EQ(grid.topRow(), 3);
    EXPECT_EQ(grid.leftCol(), 2);
    EXPECT_TRUE(recorder.sawControl("grd", Prop::GridScroll));
    grid.setTopRow(4);
    grid.setLeftCol(-1);
    EXPECT_EQ(grid.topRow(), 3);
    EXPECT_EQ(grid.leftCol(), 2);
    grid.setRows(2);
    EXPECT_EQ(grid.topRow(), 1);
}

TEST_F(GridTest, AlignmentsAndScrollBars)
{
    fill();
    EXPECT_EQ(grid.colAlignment(1), Alignment::Right);
    EXPECT_EQ(grid.fixedAlignment(1), Alignment::Left);
    grid.setColAlignment(1, Alignment::Center);
    grid.setFixedAlignment(1, Alignment::Right);
    EXPECT_EQ(grid.colAlignment(1), Alignment::Center);
    EXPECT_EQ(grid.fixedAlignment(1), Alignment::Right);
    EXPECT_TRUE(recorder.sawControl("grd", Prop::GridAlignment));
    grid.setScrollBars(ScrollBars::Vertical);
    EXPECT_EQ(grid.scrollBars(), ScrollBars::Vertical);
    grid.setCols(5);
    EXPECT_EQ(grid.colAlignment(4), Alignment::Right);
}

}  // namespace
}  // namespace tv
