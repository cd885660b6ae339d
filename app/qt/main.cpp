// Arranque del programa (provisional hasta que exista la ventana principal).
int main() { return 0; }
