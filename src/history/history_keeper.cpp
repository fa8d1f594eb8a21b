#include "history/history_keeper.h"

#include <ctime>

#include "common/user_text.h"
#include "screen_model/application.h"

namespace tv {

namespace {

UserText title()
{
    return formText<"History", "Calculation History">();
}

}  // namespace

HistoryKeeper::HistoryKeeper(Application& app) : m_app(app) {}

HistoryKeeper::~HistoryKeeper()
{
    // What was recorded just before the program ends is kept; nobody is told now.
    for (HistoryEntry& e : m_pending) openStore().add(e);
}

void HistoryKeeper::useFile(const std::string& path)
{
    // What was recorded before goes where it was recorded.
    flush();
    m_path = path;
    m_store.reset();
    m_problemTold = m_setAsideTold = false;
}

void HistoryKeeper::useMemory()
{
    useFile({});
}

std::int64_t HistoryKeeper::now() const
{
    return m_clock ? m_clock() : static_cast<std::int64_t>(std::time(nullptr));
}

HistoryStore& HistoryKeeper::store()
{
    flush();
    return openStore();
}

HistoryStore& HistoryKeeper::openStore()
{
    if (!m_store) {
        HistoryStore::Options options;
        options.clock = [this] { return now(); };
        m_store = m_path.empty() ? HistoryStore::inMemory(options) : HistoryStore::atPath(m_path, options);
    }
    return *m_store;
}

UserText HistoryKeeper::problemText(HistoryProblem problem, const std::string& path)
{
    UserText why;
    switch (problem) {
        case HistoryProblem::None:
            return {};
        case HistoryProblem::CannotOpen:
            why = composeText<"the file %1 cannot be created or opened">(path);
            break;
        case HistoryProblem::Locked:
            why = composeText<"%1 is in use by another copy of Tarvolin">(path);
            break;
        case HistoryProblem::ReadOnly:
            why = composeText<"%1 cannot be written (what it holds can still be viewed)">(path);
            break;
        case HistoryProblem::DiskFull:
            why = composeText<"the disk holding %1 is full (what it holds is kept)">(path);
            break;
        case HistoryProblem::NewerVersion:
            why = composeText<"%1 was written by a newer version of Tarvolin and is left as it is">(path);
            break;
    }
    return composeText<
        "The calculation history is not being kept: %1. Your calculations go on as before; they are not "
        "recorded until Tarvolin is started again.">(why);
}

void HistoryKeeper::noticeProblem()
{
    if (!m_store) return;
    if (!m_setAsideTold && !m_store->setAside().empty()) {
        m_setAsideTold = true;
        m_app.messageBox(composeText<"The calculation history %1 was damaged. It was kept as %2 and a new history "
                                     "begins.">(m_store->path(), m_store->setAside()),
                         title(), MsgButtons::Ok, MsgIcon::Exclamation);
    }
    const HistoryProblem problem = m_store->problem();
    if (problem == HistoryProblem::None || m_problemTold) return;
    m_problemTold = true;
    m_app.messageBox(problemText(problem, m_store->path()), title(), MsgButtons::Ok, MsgIcon::Exclamation);
}

void HistoryKeeper::record(HistoryEntry entry)
{
    if (entry.time == 0) entry.time = now();
    m_pending.push_back(std::move(entry));
    if (m_pending.size() > 1) return;  // a write is scheduled already
    m_app.platform().afterCommand([this, alive = std::weak_ptr<int>(m_alive)] {
        if (alive.lock()) flush();
    });
}

void HistoryKeeper::flush()
{
    if (m_pending.empty()) return;
    std::vector<HistoryEntry> entries;
    entries.swap(m_pending);
    bool kept = false;
    for (const HistoryEntry& e : entries) kept = openStore().add(e).has_value() || kept;
    noticeProblem();
    if (kept) changed();
}

void HistoryKeeper::changed()
{
    if (m_onChange) m_onChange();
}

}  // namespace tv
