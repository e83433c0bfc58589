#pragma once

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace zelk
{
// The list type of every interface of the program: the standard vector with
// the few list operations the callers use everywhere.
template <class T, class Allocator = std::allocator<T>>
class vector : public std::vector<T, Allocator>
{
    using Base = std::vector<T, Allocator>;

public:
    using Base::Base;
    vector() = default;
    vector(std::initializer_list<T> pItems) : Base(pItems) {}

    template <class U>
    bool contains(const U& pValue) const
    {
        return std::find(this->begin(), this->end(), pValue) != this->end();
    }

    // Removes every element equal to the value.
    template <class U>
    void erase_item(const U& pValue)
    {
        this->erase(std::remove(this->begin(), this->end(), pValue), this->end());
    }

    // Does nothing on an empty list.
    void pop_front()
    {
        if (!this->empty())
            this->erase(this->begin());
    }

    vector& operator<<(const T& pValue)
    {
        this->push_back(pValue);
        return *this;
    }

    vector& operator<<(T&& pValue)
    {
        this->push_back(std::move(pValue));
        return *this;
    }
};
} // namespace zelk
