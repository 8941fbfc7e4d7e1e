/** A percentage (100 = 100 %), stored like an amount under its own kind. */
public class PercentField extends FloatField
{
    public PercentField(String name, int attr, int lastVersion)
    {
        super(name, attr, lastVersion);
    }

    public int kind()
    {
        return KIND_PERCENT;
    }
}
