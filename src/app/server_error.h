#pragma once

#include <stdexcept>
#include <string>

// Server data that has no meaning in the client.
class server_error : public std::logic_error
{
public:
    explicit server_error(const std::string &what) : std::logic_error(what) {}
};

// Server data beyond the game's limits (more tiles than a hand holds, ...): the packet
// that carries it is refused and logged, and the session goes on.
class limit_error : public std::runtime_error
{
public:
    explicit limit_error(const std::string &what) : std::runtime_error(what) {}
};
