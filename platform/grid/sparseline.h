#pragma once
// A sparse, ordered line of items keyed by row or column number: memory only for keys that hold
// something; inserting or removing lines shifts the later keys in one pass.
#include <algorithm>
#include <utility>
#include <vector>

namespace platform {

template <class T> class SparseLine {
public:
    using Item = std::pair<int, T>;

    const T* find(int key) const
    {
        auto it = lower(key);
        return it != items.end() && it->first == key ? &it->second : nullptr;
    }
    T* find(int key) { return const_cast<T*>(std::as_const(*this).find(key)); }

    T& at(int key)
    {
        auto it = lower(key);
        if (it == items.end() || it->first != key)
            it = items.insert(it, Item { key, T {} });
        return it->second;
    }
    void erase(int key)
    {
        auto it = lower(key);
        if (it != items.end() && it->first == key)
            items.erase(it);
    }
    // Makes room for count keys at key: later keys move up.
    void insert(int key, int count)
    {
        for (auto it = lower(key); it != items.end(); ++it)
            it->first += count;
    }
    // Drops keys key..key+count-1; later keys move down.
    void remove(int key, int count)
    {
        auto from = lower(key);
        auto to = lower(key + count);
        for (auto it = to; it != items.end(); ++it)
            it->first -= count;
        items.erase(from, to);
    }
    // Drops keys from key on.
    void truncate(int key) { items.erase(lower(key), items.end()); }

    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
    auto lowerBound(int key) { return lower(key); }
    auto lowerBound(int key) const { return lower(key); }
    bool empty() const { return items.empty(); }
    std::size_t size() const { return items.size(); }
    void clear() { items.clear(); }
    std::vector<Item>& raw() { return items; }

private:
    auto lower(int key)
    {
        return std::lower_bound(
            items.begin(), items.end(), key, [](const Item& i, int k) { return i.first < k; });
    }
    auto lower(int key) const
    {
        return std::lower_bound(
            items.begin(), items.end(), key, [](const Item& i, int k) { return i.first < k; });
    }
    std::vector<Item> items;
};

} // namespace platform
