// Ends through an access violation that nothing handles: the access violation tests start it
// and read its exit code.
int main()
{
    volatile int* volatile target = nullptr;  // the compiler may neither drop nor prove it
    *target = 1;
    return 0;
}
