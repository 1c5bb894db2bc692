// Placeholder: draws the card and icon sheets once written.
int main() { return 0; }
