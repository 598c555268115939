#include "app/startup/ClientMain.h"

int main(int argc, char *argv[])
{
    return clientMain(argc, argv, QStringLiteral(MAHJONG_SKIN));
}
