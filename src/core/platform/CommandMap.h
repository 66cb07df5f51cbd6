#pragma once

#include "core/platform/CommandTarget.h"

#include <initializer_list>
#include <variant>
#include <vector>

// A class's command table: which of its member functions handles each command id and which
// decides the command's state. Written once per class, as a static table:
//
//   const CommandMap<CQBKDoc>& CQBKDoc::commandMap() {
//       using Map = CommandMap<CQBKDoc>;
//       static const Map map{
//           {ID_FILE_OPEN_JOURNAL, &CQBKDoc::OnOpenJournal},                       // always
//           {ID_FILE_CLOSE_JOURNAL, &CQBKDoc::OnCloseJournal, &CQBKDoc::IsJournalOpen},
//           {ID_FILE_CHANGE_PASSWORD, &CQBKDoc::OnChangePassword, &CQBKDoc::OnUpdatePassword},
//       };
//       return map;
//   }
//
// A range of ids takes a handler and rule that are told the id:
//   {ID_FILE_MRU_RANGE, &CJournalApp::OnOpenRecentFile, &CJournalApp::OnUpdateRecentFile},
//
// An entry's rule is either a condition (bool member, const), which only enables or
// disables, or an update function taking a CommandUpdate, which may also check the item or
// set its text. An entry without a rule is enabled whenever its class is on the route.
// Map::updateOnly() gives a rule without a handler (the command is handled further along
// the route). For each id, the first entry with a handler runs it and the first entry with
// a rule decides its state.
template <class T> class CommandMap {
public:
    using Handler = void (T::*)();
    using RangeHandler = void (T::*)(CommandId);
    using UpdateRule = void (T::*)(CommandUpdate&);
    using Condition = bool (T::*)() const;

    class Entry {
    public:
        Entry(CommandId id, Handler handler) : m_ids{id, id}, m_handler(handler) {}
        Entry(CommandId id, Handler handler, Condition condition)
            : m_ids{id, id}, m_handler(handler), m_rule(condition) {}
        Entry(CommandId id, Handler handler, UpdateRule rule)
            : m_ids{id, id}, m_handler(handler), m_rule(rule) {}
        Entry(CommandRange ids, RangeHandler handler) : m_ids(ids), m_handler(handler) {}
        Entry(CommandRange ids, RangeHandler handler, UpdateRule rule)
            : m_ids(ids), m_handler(handler), m_rule(rule) {}

    private:
        friend class CommandMap;
        Entry(CommandRange ids, std::variant<Condition, UpdateRule> rule) : m_ids(ids) {
            std::visit([this](auto r) { m_rule = r; }, rule);
        }

        CommandRange m_ids;
        std::variant<std::monostate, Handler, RangeHandler> m_handler;
        std::variant<std::monostate, Condition, UpdateRule> m_rule;
    };

    static Entry updateOnly(CommandId id, Condition condition) {
        return Entry({id, id}, condition);
    }
    static Entry updateOnly(CommandId id, UpdateRule rule) { return Entry({id, id}, rule); }
    static Entry updateOnly(CommandRange ids, UpdateRule rule) { return Entry(ids, rule); }

    CommandMap(std::initializer_list<Entry> entries) : m_entries(entries) {}

    bool handles(CommandId id) const { return findHandler(id) != nullptr; }

    bool handle(T& target, CommandId id) const {
        const Entry* entry = findHandler(id);
        if (entry == nullptr) {
            return false;
        }
        if (const auto* handler = std::get_if<Handler>(&entry->m_handler)) {
            (target.**handler)();
        } else {
            (target.*std::get<RangeHandler>(entry->m_handler))(id);
        }
        return true;
    }

    bool update(T& target, CommandUpdate& update) const {
        for (const Entry& entry : m_entries) {
            if (!entry.m_ids.contains(update.id())) {
                continue;
            }
            if (const auto* condition = std::get_if<Condition>(&entry.m_rule)) {
                update.enable((target.**condition)());
                return true;
            }
            if (const auto* rule = std::get_if<UpdateRule>(&entry.m_rule)) {
                (target.**rule)(update);
                return true;
            }
        }
        return false;
    }

private:
    const Entry* findHandler(CommandId id) const {
        for (const Entry& entry : m_entries) {
            if (entry.m_ids.contains(id) &&
                !std::holds_alternative<std::monostate>(entry.m_handler)) {
                return &entry;
            }
        }
        return nullptr;
    }

    std::vector<Entry> m_entries;
};

// Base for a class whose commands come from its table: T declares
//   static const CommandMap<T>& commandMap();
// (public, or private with this base as a friend).
template <class T> class MappedCommandTarget : public CommandTarget {
public:
    bool handleCommand(CommandId id) override { return T::commandMap().handle(self(), id); }
    bool handlesCommand(CommandId id) const override { return T::commandMap().handles(id); }
    bool updateCommand(CommandUpdate& update) override {
        return T::commandMap().update(self(), update);
    }

private:
    T& self() { return static_cast<T&>(*this); }
};
