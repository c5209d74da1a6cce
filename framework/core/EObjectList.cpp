#include "EObjectList.h"

#include <cstdlib>
#include <cstring>
#include <new>

EObjectList::~EObjectList()
{
    Clear();
}

int EObjectList::Append(EObject* object)
{
    Node* node = new (std::nothrow) Node{object, nullptr};
    if (!node)
        return 0;
    if (tail)
        tail->next = node;
    else
        head = node;
    tail = node;
    cursor = node;
    ++count;
    return 1;
}

int EObjectList::Remove(EObject* object)
{
    Node* previous = nullptr;
    Node* node = head;
    while (node && node->object != object) {
        previous = node;
        node = node->next;
    }
    if (!node)
        return 0;
    if (previous)
        previous->next = node->next;
    else
        head = node->next;
    if (tail == node)
        tail = previous;
    if (cursor == node)
        cursor = previous;
    delete node->object;
    delete node;
    --count;
    return 1;
}

void EObjectList::Clear()
{
    while (head) {
        Node* next = head->next;
        delete head->object;
        delete head;
        head = next;
    }
    tail = nullptr;
    cursor = nullptr;
    count = 0;
    std::free(name);
    name = nullptr;
}

EObject* EObjectList::First()
{
    cursor = head;
    return head ? head->object : nullptr;
}

EObject* EObjectList::Next()
{
    if (!cursor || !cursor->next)
        return nullptr;
    cursor = cursor->next;
    return cursor->object;
}

int EObjectList::SetName(const char* text)
{
    std::free(name);
    name = nullptr;
    if (!text)
        return 1;
    std::size_t size = std::strlen(text) + 1;
    name = static_cast<char*>(std::malloc(size));
    if (!name)
        return 0;
    std::memcpy(name, text, size);
    return 1;
}
