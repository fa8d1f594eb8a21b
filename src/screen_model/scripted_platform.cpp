#include "screen_model/scripted_platform.h"

#include "screen_model/form.h"

namespace tv {

int ScriptedPlatform::messageBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon)
{
    int answer = kAnswerOk;
    if (buttons == MsgButtons::YesNo) {
        answer = kAnswerNo;
        if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        }
    }
    PlatformRecord r{PlatformRecord::Type::Message, text, title, buttons, icon, answer, 0};
    record(r);
    return answer;
}

void ScriptedPlatform::runModal(Form& form)
{
    if (m_modalLoop) m_modalLoop(form);
}

void ScriptedPlatform::setClipboardText(const std::string& text)
{
    m_clipboard = text;
    record({PlatformRecord::Type::Clipboard, text, {}, MsgButtons::Ok, MsgIcon::None, 0, 0});
}

bool ScriptedPlatform::printText(const std::string& text)
{
    if (!m_printer) return false;
    record({PlatformRecord::Type::Printed, text, {}, MsgButtons::Ok, MsgIcon::None, 0, 0});
    return true;
}

void ScriptedPlatform::showHelp(const std::string& file, int command)
{
    record({PlatformRecord::Type::Help, file, {}, MsgButtons::Ok, MsgIcon::None, 0, command});
}

bool ScriptedPlatform::startProgram(const std::string& commandLine, int windowStyle)
{
    record({PlatformRecord::Type::Started, commandLine, {}, MsgButtons::Ok, MsgIcon::None, 0, windowStyle});
    return true;
}

void ScriptedPlatform::endProgram()
{
    if (m_ended) return;
    m_ended = true;
    record({PlatformRecord::Type::Ended, {}, {}, MsgButtons::Ok, MsgIcon::None, 0, 0});
}

bool ScriptedPlatform::saveFile(const std::string& suggestedName, const std::string& bytes)
{
    if (!m_save) return false;
    record({PlatformRecord::Type::Saved, bytes, suggestedName, MsgButtons::Ok, MsgIcon::None, 0, 0});
    return true;
}

bool ScriptedPlatform::savePdf(const std::string& suggestedName, const TableDocument& table)
{
    if (!m_save) return false;
    std::string text = table.title + "\n";
    for (const auto& row : table.rows) {
        for (std::size_t c = 0; c < row.size(); ++c) text += (c ? "\t" : "") + row[c];
        text += "\n";
    }
    PlatformRecord r{PlatformRecord::Type::Saved, text, suggestedName, MsgButtons::Ok, MsgIcon::None, 0, 0};
    r.table = table;
    record(std::move(r));
    return true;
}

void ScriptedPlatform::showChart(const ChartRequest& chart)
{
    PlatformRecord r{PlatformRecord::Type::Chart, {}, chart.caption, MsgButtons::Ok, MsgIcon::None, 0, 0};
    r.chart = chart;
    record(std::move(r));
}

std::vector<PlatformRecord> ScriptedPlatform::messages() const
{
    std::vector<PlatformRecord> out;
    for (const auto& r : m_records)
        if (r.type == PlatformRecord::Type::Message) out.push_back(r);
    return out;
}

void ScriptedPlatform::record(PlatformRecord r)
{
    m_records.push_back(std::move(r));
    if (m_listener) m_listener(m_records.back());
}

}  // namespace tv
