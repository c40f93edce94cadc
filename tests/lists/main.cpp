int runListPages(int argc, char **argv);

int main(int argc, char **argv)
{
    return runListPages(argc, argv);
}
