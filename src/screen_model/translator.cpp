#include "screen_model/translator.h"

namespace tv {

std::string renderText(const Translator* translator, const UserText& text)
{
    if (text.finished()) return text.finishedText();
    if (!translator) return text.english();
    std::vector<std::string> args;
    args.reserve(text.pieces().size());
    for (const UserText::Piece& p : text.pieces())
        args.push_back(p.marked ? renderText(translator, *p.marked) : p.finished);
    if (text.plural()) {
        const std::optional<std::string> t = translator->findPlural(text.context(), text.source(), text.count());
        const std::string_view pattern =
            t ? std::string_view(*t) : englishPlural(text.one(), text.source(), text.count());
        return fillPattern(fillCount(pattern, text.count()), args);
    }
    const std::optional<std::string> t =
        text.context().empty() ? std::nullopt : translator->find(text.context(), text.source());
    const std::string_view pattern = t ? std::string_view(*t) : text.source();
    return args.empty() && !t ? std::string(pattern) : fillPattern(pattern, args);
}

}  // namespace tv
