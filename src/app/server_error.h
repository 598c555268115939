#pragma once

#include <stdexcept>
#include <string>

// Server data that has no meaning in the client.
class server_error : public std::logic_error
{
public:
    explicit server_error(const std::string &what) : std::logic_error(what) {}
};
