#pragma once
// One place that says what each command id does. Commands of the menus, the
// context menus and the buttons all arrive here; an id without a handler is
// ignored, and the menus grey the items whose id has none, so a command that
// is not built yet can never look as if it did something.
#include <functional>
#include <map>

namespace ksy {

class CommandRouter {
public:
    using Handler = std::function<void()>;

    void add(int id, Handler handler)
    {
        handlers_[id] = std::move(handler);
        if (changed_)
            changed_();
    }
    // Told after every add: commands registered late must not stay greyed.
    void setOnChange(std::function<void()> changed) { changed_ = std::move(changed); }
    bool has(int id) const { return handlers_.count(id) != 0; }

    // Runs the handler of the id; false when the id has none.
    bool dispatch(int id) const
    {
        const auto it = handlers_.find(id);
        if (it == handlers_.end())
            return false;
        it->second();
        return true;
    }

private:
    std::map<int, Handler> handlers_;
    std::function<void()> changed_;
};

} // namespace ksy
