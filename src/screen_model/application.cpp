#include "screen_model/application.h"

#include <algorithm>

#include "screen_model/control.h"
#include "screen_model/form.h"

namespace tv {

Application::Application(Platform& platform, std::shared_ptr<const Translator> translator) : m_platform(platform)
{
    setTranslator(std::move(translator));
}

void Application::setTranslator(std::shared_ptr<const Translator> translator)
{
    m_translator = std::move(translator);
}

TableDocument Application::shown(const MarkedTable& table) const
{
    TableDocument out{text(table.title), {}};
    out.rows.reserve(table.rows.size());
    for (const std::vector<UserText>& row : table.rows) {
        std::vector<std::string>& cells = out.rows.emplace_back();
        cells.reserve(row.size());
        for (const UserText& cell : row) cells.push_back(text(cell));
    }
    return out;
}

Chart Application::shown(const MarkedChart& chart) const
{
    auto axis = [this](const MarkedChartAxis& a) { return ChartAxis{text(a.title), text(a.unit)}; };
    Chart out{text(chart.title), axis(chart.x), axis(chart.y), axis(chart.right), {}, {}, chart.comparesLines};
    for (const UserText& category : chart.categories) out.categories.push_back(text(category));
    for (const MarkedChartSeries& s : chart.series)
        out.series.push_back({text(s.name), s.kind, s.color, s.rightAxis, s.points});
    return out;
}

bool Application::printTable(const UserText& plain, const MarkedTable& table) const
{
    return m_platform.printTable(text(plain), shown(table));
}

bool Application::savePdf(const UserText& suggestedName, const MarkedTable& table) const
{
    return m_platform.savePdf(text(suggestedName), shown(table));
}

void Application::showChart(const MarkedChartRequest& request) const
{
    ChartRequest r{request.name, text(request.caption), request.back, request.fore, {}};
    for (const MarkedChart& c : request.charts) r.charts.push_back(shown(c));
    m_platform.showChart(r);
}

template <class F>
void Application::notifyObservers(F&& f)
{
    struct Depth {
        Application& app;
        explicit Depth(Application& a) : app(a) { ++app.m_notifying; }
        ~Depth()
        {
            if (--app.m_notifying == 0)
                app.m_observers.erase(std::remove(app.m_observers.begin(), app.m_observers.end(), nullptr),
                                      app.m_observers.end());
        }
    } depth(*this);
    // Observers added meanwhile hear from the next change on.
    const std::size_t count = m_observers.size();
    for (std::size_t i = 0; i < count; ++i)
        if (ModelObserver* o = m_observers[i]) f(*o);
}

Form* Application::findForm(const std::string& name) const
{
    for (Form* f : m_forms)
        if (f->name() == name) return f;
    return nullptr;
}

Form* Application::topmost() const
{
    for (auto it = m_shownOrder.rbegin(); it != m_shownOrder.rend(); ++it)
        if ((*it)->modal() && (*it)->loaded() && (*it)->visible()) return *it;
    for (auto it = m_shownOrder.rbegin(); it != m_shownOrder.rend(); ++it)
        if ((*it)->loaded() && (*it)->visible()) return *it;
    return nullptr;
}

void Application::setFocus(Control* control)
{
    if (control == m_focus) return;
    Control* old = m_focus;
    m_focus = control;
    notifyObservers([&](ModelObserver& o) { o.focusChanged(old, control); });
    if (old) old->fire("LostFocus");
    if (control && m_focus == control) control->fire("GotFocus");
}

void Application::setPointer(Pointer pointer)
{
    if (pointer == m_pointer) return;
    m_pointer = pointer;
    m_platform.setPointer(pointer);
    notifyObservers([&](ModelObserver& o) { o.pointerChanged(pointer); });
}

void Application::end()
{
    if (m_ended) return;
    m_ended = true;
    m_platform.endProgram();
}

void Application::addObserver(ModelObserver* observer)
{
    m_observers.push_back(observer);
}

void Application::removeObserver(ModelObserver* observer)
{
    if (m_notifying > 0)
        std::replace(m_observers.begin(), m_observers.end(), observer, static_cast<ModelObserver*>(nullptr));
    else
        m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void Application::registerForm(Form& form)
{
    m_forms.push_back(&form);
}

void Application::unregisterForm(Form& form)
{
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), &form), m_forms.end());
    m_shownOrder.erase(std::remove(m_shownOrder.begin(), m_shownOrder.end(), &form), m_shownOrder.end());
    if (m_focus && &m_focus->form() == &form) m_focus = nullptr;
}

void Application::formChanged(Form& form, FormEvent event)
{
    if (event == FormEvent::Shown) {
        m_shownOrder.erase(std::remove(m_shownOrder.begin(), m_shownOrder.end(), &form), m_shownOrder.end());
        m_shownOrder.push_back(&form);
    } else if (event == FormEvent::Hidden || event == FormEvent::Unloaded) {
        m_shownOrder.erase(std::remove(m_shownOrder.begin(), m_shownOrder.end(), &form), m_shownOrder.end());
    }
    notifyObservers([&](ModelObserver& o) { o.formChanged(form, event); });
}

void Application::controlChanged(Control& control, Prop prop, int row, int col)
{
    notifyObservers([&](ModelObserver& o) { o.controlChanged(control, prop, row, col); });
}

void Application::menuChanged(MenuItem& item, Prop prop)
{
    notifyObservers([&](ModelObserver& o) { o.menuChanged(item, prop); });
}

}  // namespace tv
