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

std::vector<PlatformRecord> ScriptedPlatform::messages() const
{
    std::vector<PlatformRecord> out;
    for (const auto& r : m_records)
        if (r.type == PlatformRecord::Type::Message) out.push_back(r);
    return out;
}

void ScriptedPlatform::record(PlatformRecord r)
{
    m_records.push_back(r);
    if (m_listener) m_listener(m_records.back());
}

}  // namespace tv
