/* The Wine stage's first question: does this machine run 32-bit programs?
 * Wine starts a 32-bit program through its 32-bit loader, which a kernel
 * without 32-bit support refuses ("Exec format error"); Wine then ends the
 * program with code 0 and prints nothing of it. So the program proves that
 * it ran by what it prints. */
#include <stdio.h>

int main(void) {
  printf("32-bit program ran (pointer size %u)\n", (unsigned)sizeof(void*));
  return 0;
}
