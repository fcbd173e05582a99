#ifndef EXERCISES_SORTDEMO_SORT_H
#define EXERCISES_SORTDEMO_SORT_H

// In-place quicksort on an inclusive index range lo..hi of an int array.
// The routines touch only the elements of the range they are given.

// Exchanges arr[first] and arr[second] through one temporary.
void swap(int arr[], int first, int second);

// Partitions arr[lo..hi] around the pivot arr[lo] (lo <= hi, both valid
// indices) and returns the index p where the pivot ends: everything in
// lo..p-1 is <= the pivot, everything in p+1..hi is >= it.
int partition(int arr[], int lo, int hi);

// Sorts arr[lo..hi] into non-decreasing order. Returns at once, touching
// nothing, when lo >= hi.
void quicksort(int arr[], int lo, int hi);

#endif
