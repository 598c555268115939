#pragma once

// The process-wide instance of T, built on first use.
template <typename T>
class Singleton
{
public:
    static T &instance()
    {
        static T object;
        return object;
    }

    Singleton() = delete;
};
