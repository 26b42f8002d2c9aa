// Fuzzes the command interpreter with arbitrary command text, over the framework's real class table.
// Input: byte 0 picks the flags (0 to 3), byte 1 the result capacity (0 to 31), the rest is the command.
//
// A command takes its arguments blindly from the variable argument list, so every argument here must
// be safe whatever the command makes of it: arguments alternate pointers to cleared cells (readable as
// text, writable by any store) and live objects of the table's classes. Read as an int or a double a
// pointer is just a number. (x86-64 System V: the doubles sit in registers, everything after them in
// one stack area shared by both kinds of read, so the list is long enough for any command that passes
// the bound below.)
#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <vector>
#include <sanitizer/allocator_interface.h>
#include "core/KW_command.h"
#include "core/KW_resource.h"

// This program embeds no resources: a lookup is reported as missing.
const KW_Blob KW_blobs[] = {{nullptr, nullptr, 0}};

// A command's caller owns what it creates, and commands here create freely: the allocations made while
// a command runs are noted (through the sanitizer's allocation hooks), so that the objects among them
// can be deleted afterwards and long runs stay within bounded memory.
namespace {
bool noting = false;
const volatile void* noted[1 << 14];
size_t notedCount = 0;

void allocated(const volatile void* p, size_t) {
    if (noting && notedCount < std::size(noted)) noted[notedCount++] = p;
}

void freed(const volatile void* p) {
    for (size_t i = notedCount; noting && i-- > 0;) {
        if (noted[i] == p) {
            noted[i] = nullptr;
            return;
        }
    }
}

constexpr int SLOTS = 42;  // pointer arguments after the doubles

struct alignas(16) Cell {
    unsigned char bytes[32];
};

KW_status run(int flags, char* text, char* result, int* capacity, ...) {
    va_list args;
    va_start(args, capacity);
    const KW_status s = KW_vcommand(flags, text, result, capacity, args);
    va_end(args);
    return s;
}

// One object of each creatable class in turn, in creation order.
std::vector<KW_Object*> makeObjects(int n) {
    std::vector<const KW_Class*> creatable;
    for (const KW_Class* c = _KW; c->name; ++c)
        if (c->table[0].factory) creatable.push_back(c);
    std::vector<KW_Object*> objects;
    for (int i = 0; i < n && !creatable.empty(); ++i) {
        KW_Object* o = nullptr;
        KW_command(creatable[i % creatable.size()]->name, &o);
        if (o) objects.push_back(o);
    }
    return objects;
}

// Counts the arguments a command can take at most: one per placeholder, one per query store, one
// for the created object.
size_t mostArguments(const std::string& text) {
    size_t n = 1;
    for (char c : text) n += c == '%' || c == '-';
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    __sanitizer_install_malloc_and_free_hooks(allocated, freed);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int flags = data[0] & 3;
    const int capacity = data[1] % 32;
    std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    text.resize(std::strlen(text.c_str()));
    if (mostArguments(text) > 2 + SLOTS) return -1;

    std::vector<Cell> cells(SLOTS + 2, Cell{});
    std::vector<KW_Object*> objects = makeObjects((SLOTS + 2) / 2);
    std::vector<void*> slot(SLOTS + 2);
    for (size_t i = 0; i < slot.size(); ++i) {
        const size_t k = i / 2;
        slot[i] = i % 2 && k < objects.size() ? static_cast<void*>(objects[k]) : &cells[i];
    }
    // A store through an object argument lands on the object's first word; it is put back afterwards.
    std::vector<void*> firstWord(objects.size());
    for (size_t k = 0; k < objects.size(); ++k) std::memcpy(&firstWord[k], static_cast<void*>(objects[k]), sizeof(void*));

    // Sized exactly, so that reading past the NUL or writing past the capacity is caught.
    std::unique_ptr<char[]> command(new char[text.size() + 1]);
    std::memcpy(command.get(), text.c_str(), text.size() + 1);
    std::unique_ptr<char[]> result(new char[capacity]);
    int cap = capacity;

    notedCount = 0;
    noting = true;
    const KW_status s = run(flags, command.get(), result.get(), &cap, slot[0], slot[1], 0.0, -1.5, 1e30, -1e-30,
                            44100.0, 0.618, 3e9, -3e9, slot[2], slot[3], slot[4], slot[5], slot[6], slot[7], slot[8],
                            slot[9], slot[10], slot[11], slot[12], slot[13], slot[14], slot[15], slot[16], slot[17],
                            slot[18], slot[19], slot[20], slot[21], slot[22], slot[23], slot[24], slot[25], slot[26],
                            slot[27], slot[28], slot[29], slot[30], slot[31], slot[32], slot[33], slot[34], slot[35],
                            slot[36], slot[37], slot[38], slot[39], slot[40], slot[41], slot[42], slot[43]);
    noting = false;

    if (std::memcmp(command.get(), text.c_str(), text.size() + 1) != 0) __builtin_trap();  // text restored
    if (s == KW_OK && (flags & KW_RESULT_TEXT) && (cap < 0 || cap > capacity)) __builtin_trap();

    for (size_t k = 0; k < objects.size(); ++k)
        if (KW_Object::live(objects[k])) std::memcpy(static_cast<void*>(objects[k]), &firstWord[k], sizeof(void*));
    for (size_t i = notedCount; i-- > 0;)  // what the command created, newest first
        if (KW_Object::live(const_cast<const void*>(noted[i]))) delete static_cast<KW_Object*>(const_cast<void*>(noted[i]));
    for (size_t k = objects.size(); k-- > 0;)
        if (KW_Object::live(objects[k])) delete objects[k];  // unless the command deleted it
    return 0;
}
