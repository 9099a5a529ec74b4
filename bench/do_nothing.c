/*
 * do_nothing.c: a GUI program that ends at once; the floor for how long
 * starting any program under Wine takes.
 */
int main(void)
{
    return 0;
}
