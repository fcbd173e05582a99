#include "sort.h"

void swap(int arr[], int first, int second) {
  const int tmp = arr[first];
  arr[first] = arr[second];
  arr[second] = tmp;
}

int partition(int arr[], int lo, int hi) {
  const int pivot = arr[lo];
  int left = lo;
  int right = hi + 1;
  for (;;) {
    // Left scan: past elements strictly less than the pivot, never past hi.
    while (left < hi) {
      ++left;
      if (arr[left] >= pivot) {
        break;
      }
    }
    // Right scan: past elements strictly greater than the pivot. It needs
    // no bound: arr[lo] holds the pivot until the final exchange.
    do {
      --right;
    } while (arr[right] > pivot);
    if (left >= right) {
      break;
    }
    swap(arr, left, right);
  }
  swap(arr, lo, right);
  return right;
}

void quicksort(int arr[], int lo, int hi) {
  if (lo >= hi) {
    return;
  }
  const int pos = partition(arr, lo, hi);
  quicksort(arr, lo, pos - 1);
  quicksort(arr, pos + 1, hi);
}
