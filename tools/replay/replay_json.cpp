#include <cmath>
#include <variant>

#include "app/links.h"
#include "app/module1.h"
#include "app/program.h"
#include "replay/replay.h"
#include "screen_model/control.h"
#include "screen_model/form.h"
#include "screen_model/grid.h"
#include "screen_model/menu.h"
#include "screen_model/scripted_platform.h"
#include "screen_model/toolbar.h"

namespace tv {

namespace {

const char* scrollBarsName(ScrollBars bars)
{
    switch (bars) {
        case ScrollBars::None:
            return "none";
        case ScrollBars::Horizontal:
            return "horizontal";
        case ScrollBars::Vertical:
            return "vertical";
        case ScrollBars::Both:
            return "both";
    }
    return "none";
}

const char* iconName(MsgIcon icon)
{
    switch (icon) {
        case MsgIcon::None:
            return "none";
        case MsgIcon::Critical:
            return "critical";
        case MsgIcon::Question:
            return "question";
        case MsgIcon::Exclamation:
            return "exclamation";
        case MsgIcon::Information:
            return "information";
    }
    return "none";
}

void addGrid(ReplayJson& j, const Grid& g)
{
    j["rows"] = g.rows();
    j["cols"] = g.cols();
    ReplayJson cells = ReplayJson::array();
    for (int r = 0; r < g.rows(); ++r) {
        ReplayJson row = ReplayJson::array();
        for (int c = 0; c < g.cols(); ++c) row.push_back(g.text(r, c));
        cells.push_back(std::move(row));
    }
    j["cells"] = std::move(cells);
    j["row"] = g.row();
    j["col"] = g.col();
    ReplayJson heights = ReplayJson::array();
    for (int r = 0; r < g.rows(); ++r) heights.push_back(g.rowHeight(r));
    j["rowHeights"] = std::move(heights);
    ReplayJson widths = ReplayJson::array();
    for (int c = 0; c < g.cols(); ++c) widths.push_back(g.colWidth(c));
    j["colWidths"] = std::move(widths);
    j["scrollBars"] = scrollBarsName(g.scrollBars());
    j["topRow"] = g.topRow();
    j["leftCol"] = g.leftCol();
}

// A chart as the driver prints it: its axes and, per series, how many points and the first, last and
// highest of them (the points themselves are checked by the tests of the chart data).
ReplayJson chartJson(const ChartRequest& request)
{
    auto axis = [](const ChartAxis& a) { return a.unit.empty() ? a.title : a.title + " (" + a.unit + ")"; };
    ReplayJson j;
    j["chart"] = request.caption;
    j["name"] = request.name;
    ReplayJson charts = ReplayJson::array();
    for (const Chart& chart : request.charts) {
        ReplayJson c;
        c["title"] = chart.title;
        c["x"] = axis(chart.x);
        c["y"] = axis(chart.y);
        if (!chart.right.title.empty()) c["right"] = axis(chart.right);
        if (!chart.categories.empty()) c["categories"] = chart.categories.size();
        ReplayJson series = ReplayJson::array();
        for (const ChartSeries& s : chart.series) {
            ReplayJson one;
            one["name"] = s.name;
            one["kind"] = s.kind == SeriesKind::Line ? "line" : "stackedbar";
            if (s.rightAxis) one["right"] = true;
            one["points"] = s.points.size();
            if (!s.points.empty()) {
                const ChartPoint* high = &s.points.front();
                for (const ChartPoint& p : s.points)
                    if (p.y > high->y) high = &p;
                // Six decimals: the cents and then some, without the last bits of the arithmetic.
                auto point = [](const ChartPoint& p) {
                    return ReplayJson::array({std::round(p.x * 1e6) / 1e6, std::round(p.y * 1e6) / 1e6});
                };
                one["first"] = point(s.points.front());
                one["last"] = point(s.points.back());
                one["high"] = point(*high);
            }
            series.push_back(std::move(one));
        }
        c["series"] = std::move(series);
        charts.push_back(std::move(c));
    }
    j["charts"] = std::move(charts);
    return j;
}

}  // namespace

ReplayJson controlJson(const Control& control)
{
    ReplayJson j;
    j["name"] = control.name();
    j["kind"] = kindName(control.kind());
    j["visible"] = control.visible();
    j["enabled"] = control.enabled();
    switch (control.kind()) {
        case Kind::MaskedBox: {
            const auto& box = static_cast<const MaskedBox&>(control);
            j["text"] = box.text();
            j["display"] = box.display();
            j["format"] = box.format();
            break;
        }
        case Kind::Label:
        case Kind::Frame:
        case Kind::CommandButton:
            j["caption"] = control.caption();
            break;
        case Kind::OptionButton:
            j["caption"] = control.caption();
            j["value"] = static_cast<const OptionButton&>(control).value();
            break;
        case Kind::CheckBox:
            j["caption"] = control.caption();
            j["value"] = static_cast<const CheckBox&>(control).value();
            break;
        case Kind::ComboList: {
            const auto& list = static_cast<const ComboList&>(control);
            j["index"] = list.listIndex();
            j["text"] = list.text();
            j["count"] = list.count();
            break;
        }
        case Kind::TextArea:
            j["text"] = static_cast<const TextArea&>(control).text();
            break;
        case Kind::Grid:
            addGrid(j, static_cast<const Grid&>(control));
            break;
        case Kind::Toolbar:
            j["count"] = static_cast<const Toolbar&>(control).count();
            break;
        case Kind::ChartView: {
            // The title and each series' name and size: the points are the tests' to check.
            const Chart& chart = static_cast<const ChartView&>(control).chart();
            j["title"] = chart.title;
            ReplayJson series = ReplayJson::array();
            for (const ChartSeries& s : chart.series) series.push_back({{"name", s.name}, {"points", s.points.size()}});
            j["series"] = std::move(series);
            break;
        }
        case Kind::Line:
        case Kind::Picture:
            break;
    }
    j["back"] = control.backColor();
    j["fore"] = control.foreColor();
    return j;
}

ReplayJson menuItemJson(const MenuItem& item)
{
    ReplayJson j;
    j["name"] = item.fullName();
    j["kind"] = "menu";
    j["visible"] = item.visible();
    j["enabled"] = item.enabled();
    j["caption"] = item.caption();
    j["checked"] = item.checked();
    return j;
}

ReplayJson toolButtonJson(const Toolbar& toolbar, int index)
{
    const ToolButton& b = toolbar.button(index);
    ReplayJson j;
    j["name"] = toolbar.name() + "(" + std::to_string(index) + ")";
    j["kind"] = "toolbutton";
    j["visible"] = b.visible;
    j["enabled"] = b.enabled;
    j["pressed"] = b.pressed;
    j["image"] = b.image;
    return j;
}

ReplayJson formJson(const Form& form)
{
    ReplayJson j;
    j["name"] = form.name();
    j["kind"] = "form";
    j["visible"] = form.visible();
    j["enabled"] = true;
    j["caption"] = form.caption();
    j["loaded"] = form.loaded();
    j["modal"] = form.modal();
    j["left"] = form.left();
    j["top"] = form.top();
    j["width"] = form.width();
    j["height"] = form.height();
    j["back"] = form.backColor();
    return j;
}

ReplayJson recordJson(const PlatformRecord& record)
{
    ReplayJson j;
    switch (record.type) {
        case PlatformRecord::Type::Message:
            j["message"] = record.text;
            j["title"] = record.title;
            j["buttons"] = record.buttons == MsgButtons::YesNo ? "yesno" : "ok";
            j["icon"] = iconName(record.icon);
            j["answer"] = record.answer;
            break;
        case PlatformRecord::Type::Printed:
            j["printed"] = record.text;
            break;
        case PlatformRecord::Type::Help:
            j["help"] = record.text;
            j["command"] = record.number;
            break;
        case PlatformRecord::Type::Started:
            j["started"] = record.text;
            j["style"] = record.number;
            break;
        case PlatformRecord::Type::Ended:
            j["ended"] = true;
            break;
        case PlatformRecord::Type::Clipboard:
            break;  // seen through `print clipboard`
        case PlatformRecord::Type::Saved:
            j["saved"] = record.title;
            if (record.table.rows.empty() && record.table.title.empty()) {
                j["text"] = record.text;
            } else {
                j["title"] = record.table.title;
                j["rows"] = record.table.rows;
            }
            break;
        case PlatformRecord::Type::Chart:
            j = chartJson(record.chart);
            break;
    }
    return j;
}

ReplayJson stateJson(Program& program)
{
    ReplayJson j;
    // The main screen names its calculation state; then Module1's program-wide values.
    for (const StateField& field : program.mainScreen().form().stateFields())
        std::visit([&](auto v) { j[field.name] = v; }, field.value);
    const Module1& module1 = program.module1();
    j["msgAnswer"] = module1.msgAnswer;
    j["amtTransfer"] = module1.amtTransfer;
    return j;
}

ReplayJson colorsJson(Program& program)
{
    ReplayJson j = ReplayJson::object();
    for (const auto& [slot, value] : program.module1().colors.slotList()) j[slot] = value;
    return j;
}

std::string jsonLine(const ReplayJson& json)
{
    return json.dump(-1, ' ', false, ReplayJson::error_handler_t::replace);
}

}  // namespace tv
