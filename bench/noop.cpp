// Ends at once: timing its whole process measures what one process start and end cost.
int main() {
    return 0;
}
