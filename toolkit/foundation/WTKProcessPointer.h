// One process-wide pointer per interface: the optional managers and the command manager
// register themselves here when they are made and clear it when they go; every user tests
// it first.
#pragma once

template <class T>
T*& WTKProcessPointer()
{
    static T* pObject = nullptr;
    return pObject;
}
