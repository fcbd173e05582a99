// The do-nothing program the benchmark measures every program against.
int main() { return 0; }
