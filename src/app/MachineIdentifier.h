#pragma once

#include <string>

// A stable identifier of this computer, the same for every run of the client.
// It is derived from the system's machine id, so that the system's own id is never
// sent; where the system has none, a random id is made once and kept in the settings.
class MachineIdentifier
{
public:
    static MachineIdentifier &instance();

    // A UUID text without braces.
    std::string id() const { return m_id; }

private:
    MachineIdentifier();

    std::string m_id;
};
