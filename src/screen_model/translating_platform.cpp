#include "screen_model/translating_platform.h"

namespace tv {

namespace {

constexpr std::string_view kContext = "Messages";

class TranslatingPlatform : public Platform {
public:
    TranslatingPlatform(Platform& inner, const Translator& translator) : m_inner(inner), m_translator(translator) {}

    int messageBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) override
    {
        return m_inner.messageBox(tr(text), tr(title), buttons, icon);
    }
    void setPointer(Pointer pointer) override { m_inner.setPointer(pointer); }
    ScreenSize screenSize() const override { return m_inner.screenSize(); }
    void runModal(Form& form) override { m_inner.runModal(form); }
    void setClipboardText(const std::string& text) override { m_inner.setClipboardText(text); }
    std::string clipboardText() const override { return m_inner.clipboardText(); }
    bool printText(const std::string& text) override { return m_inner.printText(text); }
    bool printTable(const std::string& text, const TableDocument& table) override
    {
        return m_inner.printTable(text, tr(table));
    }
    void showHelp(const std::string& file, int command) override { m_inner.showHelp(file, command); }
    bool startProgram(const std::string& commandLine, int windowStyle) override
    {
        return m_inner.startProgram(commandLine, windowStyle);
    }
    void endProgram() override { m_inner.endProgram(); }
    Date today() const override { return m_inner.today(); }
    bool saveFile(const std::string& suggestedName, const std::string& bytes) override
    {
        return m_inner.saveFile(tr(suggestedName), bytes);
    }
    bool savePdf(const std::string& suggestedName, const TableDocument& table) override
    {
        return m_inner.savePdf(tr(suggestedName), tr(table));
    }
    void afterCommand(std::function<void()> task) override { m_inner.afterCommand(std::move(task)); }
    void showChart(const ChartRequest& request) override
    {
        ChartRequest r = request;
        r.caption = tr(r.caption);
        for (Chart& c : r.charts) translateChart(m_translator, kContext, c);
        m_inner.showChart(r);
    }

private:
    std::string tr(const std::string& text) const { return translate(m_translator, kContext, text); }
    TableDocument tr(const TableDocument& table) const
    {
        TableDocument t = table;
        translateTable(m_translator, kContext, t);
        return t;
    }

    Platform& m_inner;
    const Translator& m_translator;
};

}  // namespace

std::unique_ptr<Platform> makeTranslatingPlatform(Platform& platform, const Translator& translator)
{
    return std::make_unique<TranslatingPlatform>(platform, translator);
}

}  // namespace tv
