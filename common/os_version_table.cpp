#include "os_version_table.h"

namespace {
struct Row {
    unsigned major;
    int minor; // -1: any other minor of this major
    OsVersionCodes codes;
};

const Row kRows[] = {
    {4, 0, {0, 0x400}},  {4, -1, {0, -1}},   {5, 0, {2, 0x500}},  {5, 1, {2, 0x501}},
    {5, 2, {2, 0x502}},  {5, -1, {2, -1}},   {6, 0, {3, 0x600}},  {6, 1, {4, 0x601}},
    {6, 2, {5, 0x602}},  {6, 3, {5, 0x603}}, {6, -1, {-1, -1}},   {10, 0, {6, 0xA00}},
    {10, -1, {6, -1}},
};
} // namespace

OsVersionCodes OsVersionCodesFor(unsigned major, unsigned minor) {
    for (const Row& row : kRows)
        if (row.major == major && (row.minor < 0 || static_cast<unsigned>(row.minor) == minor))
            return row.codes;
    return {-1, -1};
}
